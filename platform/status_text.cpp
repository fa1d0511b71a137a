#include "platform/status_text.h"

#include <string_view>

#include "platform/intake_pieces.h"

int32_t Shown_Line_Count(int32_t reported, bool last_line_empty, int32_t caret_line0) {
  const int32_t counted = last_line_empty && reported > 0 ? reported - 1 : reported;
  return counted > caret_line0 ? counted : caret_line0 + 1;
}

std::string File_Encoding_Panel_Text(File_Encoding encoding) {
  return std::string(" ") + File_Encoding_Name(encoding);
}

namespace {

constexpr std::string_view kModifiedMark = " *";

// The indicator without its mark, and whether it had one.
std::string Unmarked(const std::string& panel2, bool* marked) {
  *marked = panel2.size() > kModifiedMark.size() &&
            panel2.compare(panel2.size() - kModifiedMark.size(), kModifiedMark.size(), kModifiedMark) == 0;
  return *marked ? panel2.substr(0, panel2.size() - kModifiedMark.size()) : panel2;
}

bool Is_Mode_Indicator(const std::string& text) { return text == kInsertText || text == kOverwriteText; }

}  // namespace

std::string Insert_Key_Toggle(const std::string& panel2) {
  bool marked = false;
  const std::string mode = Unmarked(panel2, &marked);
  if (!Is_Mode_Indicator(mode)) return panel2;
  return Mark_Modified(mode == kInsertText ? kOverwriteText : kInsertText, marked);
}

std::string Mark_Modified(const std::string& panel2, bool modified) {
  bool marked = false;
  const std::string mode = Unmarked(panel2, &marked);
  if (!Is_Mode_Indicator(mode)) return panel2;
  return modified ? mode + std::string(kModifiedMark) : mode;
}

void Status_Refresh(Edit_Area& edit, Status_Panels& panels, const Search_State& search) {
  const int32_t caret = edit.Get_Selection().End;
  const int32_t line = edit.Line_From_Char(caret);
  panels.Set_Text(kPanelLine, Line_Column_Text(line, caret - edit.Line_Index(line)));
  const int32_t reported = edit.Line_Count();
  const bool last_empty = reported > 0 && edit.Line_Length(reported - 1) == 0;
  panels.Set_Text(kPanelCount, Line_Count_Text(Shown_Line_Count(reported, last_empty, line)));
  if (search.Find_Open) panels.Set_Text(kPanelMode, Found_Count_Text(search.Search_Count));
  if (search.Replace_Open) panels.Set_Text(kPanelMode, Replaced_Count_Text(search.Search_Count));
}

Panel_Look Look_Of_Panel(int panel) {
  // Numbers as most texts have them; a panel whose text grows wider widens.
  constexpr int kLines = 9999, kColumns = 99, kFound = 999;
  switch (panel) {
    case kPanelLine:
      return {130, {Line_Column_Text(kLines - 1, kColumns)}};
    case kPanelCount:
      return {130, {Line_Count_Text(kLines)}};
    case kPanelMode:
      return {150,
              {kInsertText, kOverwriteText, Found_Count_Text(kFound), Replaced_Count_Text(kFound),
               Intake_Progress_Text(99, 100)}};
    case kPanelProgress:
      return {206, {}};
    case kPanelSpare:
      return {50, {}};
    // A file of other line ends, or mixed ones, widens the panel when it comes.
    case kPanelEncoding: {
      Panel_Look look{80, {}};
      for (File_Encoding e : kFile_Encodings) look.Widest.push_back(File_Encoding_Panel_Text(e));
      return look;
    }
  }
  return {};
}

std::string Document_Panel_Text(File_Encoding encoding, Line_End ends, bool mixed) {
  std::string text = File_Encoding_Panel_Text(encoding);
  if (ends != Line_End::Cr_Lf || mixed) text += std::string(" ") + Line_End_Name(ends);
  return mixed ? text + kMixed_Line_Ends_Mark : text;
}
