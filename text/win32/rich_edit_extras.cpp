#include "text/win32/rich_edit_extras.h"

#include <richedit.h>

#include <string_view>

#include "common/control_text.h"

Kept_Text Rich_Edit_Extras::Take_Selection() {
  const Selection sel = host_.Edit.Get_Selection();
  return Keep_Outside_Win1251(host_.Edit.Control_Text_Range(sel.Start, sel.End));
}

Kept_Text Rich_Edit_Extras::Take_Text() { return Keep_Outside_Win1251(host_.Edit.Control_Text()); }

void Rich_Edit_Extras::Replace_Selection_Step(const std::wstring& text) {
  // A new control takes a long text far faster than the old one gives its
  // text up, and the old one stays behind as the undo step.
  if (host_.Whole_Text.Whole_Text_Selected()) {
    host_.Whole_Text.Replace_Whole_Text(text, true);
    return;
  }
  // The control's own undo record, kept apart from typing on either side so
  // that one undo takes back the command and nothing else.
  HWND edit = host_.Edit.Handle();
  SendMessageW(edit, EM_STOPGROUPTYPING, 0, 0);
  SendMessageW(edit, EM_REPLACESEL, TRUE, LPARAM(text.c_str()));
  SendMessageW(edit, EM_STOPGROUPTYPING, 0, 0);
}

void Rich_Edit_Extras::Replace_Selection_Unrecorded(const std::string& text) {
  // An unrecorded edit ends the undo history in any case, and a new control
  // takes a long text far faster than the old one gives its text up.
  if (host_.Whole_Text.Whole_Text_Selected()) {
    host_.Whole_Text.Replace_Whole_Text(Document_To_Control_Text(text), false);
    return;
  }
  // A NUL in the text would end it there; it goes in as the control's NUL sign.
  const std::wstring wide = Document_To_Control_Text(text);
  SendMessageW(host_.Edit.Handle(), EM_REPLACESEL, FALSE, LPARAM(wide.c_str()));
}

void Rich_Edit_Extras::Selection_Charset_To_Font() {
  CHARFORMAT2W format{};
  format.cbSize = sizeof(format);
  format.dwMask = CFM_CHARSET;
  format.bCharSet = BYTE(host_.Look.Font.Charset);
  SendMessageW(host_.Edit.Handle(), EM_SETCHARFORMAT, SCF_SELECTION, LPARAM(&format));
}

void Rich_Edit_Extras::Empty_Undo() {
  SendMessageW(host_.Edit.Handle(), EM_EMPTYUNDOBUFFER, 0, 0);
  host_.Whole_Text.Forget_History();
}

bool Rich_Edit_Extras::Word_Wrap() { return host_.Look.Word_Wrap; }

// A hidden control that wraps lines exactly as the edit area does: the same
// kind of control and font, and a text area of the same width. It has no
// scroll bar, so that one showing up cannot narrow its lines.
HWND Rich_Edit_Extras::Scratch_Control() {
  HWND main = host_.Edit.Handle();
  HWND scratch = Rich_Edit::Create(host_.Window, 0, true, false);
  if (!scratch) return nullptr;
  ShowWindow(scratch, SW_HIDE);
  RECT main_client{}, outer{}, inner{};
  GetClientRect(main, &main_client);
  GetWindowRect(scratch, &outer);
  GetClientRect(scratch, &inner);
  const int frame = (outer.right - outer.left) - inner.right;
  MoveWindow(scratch, 0, 0, main_client.right + frame, main_client.bottom + frame, FALSE);
  Rich_Edit control(scratch);
  control.Set_Undo_Limit(0);
  // Links change neither fonts nor widths, and looking for them costs time.
  SendMessageW(scratch, EM_AUTOURLDETECT, FALSE, 0);
  if (host_.Look.Font_Handle) control.Apply_Font(host_.Look.Font, host_.Look.Font_Handle);
  return scratch;
}

// Wine's control finds a display line by walking from the first paragraph,
// so asking a long text for each of its lines takes a time that grows with
// the square of the lines. A paragraph wraps the same wherever it stands, so
// the lines are asked of a scratch control that holds a batch of paragraphs
// at a time.
std::vector<std::size_t> Rich_Edit_Extras::Display_Line_Starts(const std::string& text,
                                                               const Position_Callback& on_position) {
  HWND scratch = Scratch_Control();
  if (!scratch) return Line_Starts_Of(host_.Edit);
  Rich_Edit control(scratch);
  std::vector<std::size_t> starts;
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\r', std::min(text.size(), at + Batch));
    end = end == std::string::npos ? text.size() : end;
    control.Set_Text(text.substr(at, end - at));
    const int32_t rows = control.Line_Count();
    for (int32_t row = 0; row < rows; ++row) {
      const int32_t start = control.Line_Index(row);
      if (start >= 0) starts.push_back(at + std::size_t(start));
    }
    at = end + 1;
    Report_Position(on_position, std::int64_t(at));
  }
  // The one line of an empty text, and the line behind a final line break
  // where the edit area counts one.
  if (std::size_t(host_.Edit.Line_Count()) > starts.size()) starts.push_back(text.size());
  DestroyWindow(scratch);
  return starts;
}
