#include "text/recode_frame.h"

#include <optional>

#include "common/control_text.h"
#include "common/file_encoding.h"
#include "platform/status_text.h"
#include "text/conversion_frame.h"
#include "text/page_detector.h"
#include "text/reading_chain.h"
#include "text/text_as_bytes.h"

namespace {

// The text's bytes, or a notice and none.
std::optional<std::string> File_Bytes_Of(Text_Command_Host& host, const std::wstring& text) {
  std::optional<std::string> bytes = Text_As_Win1251_Bytes(text);
  if (!bytes) host.window.Notice(Not_File_Bytes_Notice(Characters_Outside_Win1251(text, kNulSymbol).First));
  return bytes;
}

// A recoding under the progress display. Its steps each run through the
// whole text at once, so the user's Esc is seen between them: once the text
// has been taken, between the steps and before the new text goes in.
class Recoding {
 public:
  explicit Recoding(Text_Command_Host& host) : host_(host), command_(host, kSteps, {Progress_Label, true}) {
    command_.Check_Stop();
  }
  void Step(int done) { Report_Position(command_.On_Position(), done); }

  // The new text in place of the whole document, the caret back at the old
  // selection start.
  void Put(Unicode_Edit& edit, const std::wstring& text) {
    command_.Full_Bar();
    const std::int32_t start = host_.edit.Get_Selection().Start;
    edit.Replace_Text(text);
    host_.edit.Set_Selection(start, start);
    // The text is no longer what the last code-page conversion made it.
    host_.Mark_Conversion(No_Conversion);
  }

 private:
  static constexpr int kSteps = 2;
  Text_Command_Host& host_;
  Text_Long_Command command_;
};

}  // namespace

std::string Recognized_Chain_Name(const std::vector<Wrong_Reading>& readings) {
  std::string name = Text_Page_Name(readings.front().written);
  if (readings.size() > 1) name += " \u00D7" + std::to_string(readings.size());
  return name;
}

namespace {

// What the bytes read as may itself be garbled by wrong readings before the
// file came here: those are looked for in a sample, as the page was, and
// undone over the whole text in the same step when they fit all of it. The
// readings undone, oldest first, with the one just undone last; none when the
// text is garbled in ways that cannot be told apart, and so stays as it is.
std::optional<std::vector<Wrong_Reading>> Undo_Earlier_Readings(const Page_Guess& guess, std::wstring& read) {
  const auto page = static_cast<Text_Page>(guess.page);
  std::vector<Wrong_Reading> readings{{page, Page_WIN}};
  const std::string utf8 = Encode_File_Text(read, File_Encoding::Utf8);
  std::vector<std::string_view> stretches;
  for (const Byte_Range& range : Detect_Sample_Ranges(utf8.size()))
    stretches.push_back(std::string_view(utf8).substr(range.start, range.size));
  if (const auto chain = Find_Reading_Chain(Sample_Of(stretches))) {
    if (guess.confidence * chain->confidence < Least_Confidence) return std::nullopt;
    const Exact_Conversion undone = Undo_Readings(utf8, Page_UTF8, chain->readings, Page_UTF8);
    if (undone.missing == 0 && undone.invalid == 0) {
      readings.insert(readings.begin(), chain->readings.begin(), chain->readings.end());
      read = Bytes_As_Text(undone.text, Page_UTF8);
    }
  }
  return readings;
}

}  // namespace

void Recognize_Page_Command(Text_Command_Host& host, Unicode_Edit& edit) {
  const std::wstring text = edit.Text();
  if (text.empty()) return;
  const std::optional<std::string> bytes = File_Bytes_Of(host, text);
  if (!bytes) return;
  // Unchanged since it came from its file, the text is the file's bytes.
  const bool as_read = !host.edit.Modified();
  bool recognized = false;
  std::vector<Wrong_Reading> readings;
  {
    Recoding recoding(host);
    const Page_Guess guess = Detect_Page(*bytes);
    const bool readable = guess.page != Page_UTF8 || Is_Valid_Utf8(*bytes);
    if (guess.page != Page_Unknown && readable) {
      recognized = true;
      recoding.Step(1);
      std::wstring read = Bytes_As_Text(*bytes, static_cast<Text_Page>(guess.page));
      // Pages that read these bytes as this very text are WIN as far as the user sees.
      if (read != text) {
        const auto undone = Undo_Earlier_Readings(guess, read);
        recognized = undone.has_value();
        if (undone) {
          readings = *undone;
          recoding.Put(edit, read);
        }
      }
    }
  }
  if (!recognized) {
    host.panels.Set_Text(kPanelCount, kNot_Recognized_Status);
    host.window.Notice(kNot_Recognized_Notice);
  } else if (readings.empty()) {
    host.panels.Set_Text(kPanelCount, Recognized_Status_Text(Text_Page_Name(Page_WIN)));
    host.window.Notice(kAlready_Win_Notice);
  } else {
    host.panels.Set_Text(kPanelCount, Recognized_Status_Text(Recognized_Chain_Name(readings)));
    // One reading undone: written back in its page, the text is the file's
    // bytes again. A text put right from more readings is a new one.
    if (as_read && readings.size() == 1 && host.File_Read_As)
      host.File_Read_As(Encoding_Of(readings[0].written));
  }
}

void Utf8_To_Win_Command(Text_Command_Host& host, Unicode_Edit& edit) {
  const std::wstring text = edit.Text();
  if (text.empty()) return;
  const std::optional<std::string> bytes = File_Bytes_Of(host, text);
  if (!bytes) return;
  if (!Is_Valid_Utf8(*bytes)) {
    host.window.Notice(kNot_Utf8_Notice);
    return;
  }
  Recoding recoding(host);
  const std::wstring read = Bytes_As_Text(*bytes, Page_UTF8);
  if (read != text) recoding.Put(edit, read);
}

void Win_To_Utf8_Command(Text_Command_Host& host, Unicode_Edit& edit) {
  const std::wstring text = edit.Text();
  if (text.empty()) return;
  Recoding recoding(host);
  const std::wstring shown = Utf8_Bytes_As_Win1251(text);
  if (shown != text) recoding.Put(edit, shown);
}
