#include "text/command_frame.h"

#include "common/win1251_unicode.h"
#include "platform/status_text.h"

Long_Command::Long_Command(Status_Panels& panels, Command_Window& window, Keyboard& keyboard,
                           std::int64_t size, Long_Command_Style style)
    : panels_(panels), window_(window), labelled_(style.label != nullptr) {
  if (style.switch_layout) layout_.emplace(keyboard);
  progress_.Begin(size);
  on_position_ = Progress_Callback(progress_, [this] { Progress_Tick(); });
  if (labelled_) {
    Saved_Status_Text = panels_.Text(kPanelMode);
    panels_.Set_Text(kPanelMode, style.label);
    window_.Align_Mode_Panel_Right(true);
  }
  window_.Enable_Input(false);
}

Long_Command::~Long_Command() {
  panels_.Set_Text(kPanelProgress, "");
  window_.Enable_Input(true);
  layout_.reset();
  if (labelled_) {
    window_.Align_Mode_Panel_Right(false);
    panels_.Set_Text(kPanelMode, Saved_Status_Text);
  }
}

void Long_Command::Progress_Tick() {
  panels_.Set_Text(kPanelProgress, panels_.Text(kPanelProgress) + Progress_Mark_Text);
  window_.Process_Messages();
}

void Long_Command::Full_Bar() {
  std::string bar;
  for (int i = 0; i < Progress_Full_Marks; ++i) bar += Progress_Mark_Text;
  panels_.Set_Text(kPanelProgress, bar);
  window_.Process_Messages();
}

void Long_Command::Second_Pass(const char* label) {
  panels_.Set_Text(kPanelMode, label);
  panels_.Set_Text(kPanelProgress, "");
  progress_.Restart();
}

std::vector<std::size_t> Line_Starts_Of(Edit_Area& edit) {
  std::vector<std::size_t> starts;
  const std::int32_t count = edit.Line_Count();
  starts.reserve(std::size_t(count > 0 ? count : 0));
  for (std::int32_t line = 0; line < count; ++line) {
    const std::int32_t start = edit.Line_Index(line);
    if (start < 0) break;
    starts.push_back(std::size_t(start));
  }
  return starts;
}

std::string Outside_Win1251_Refusal(const std::wstring& first) {
  return "В тексте есть знаки, которых нет в кодировке WIN, первый: «" + Utf16_To_Utf8(first) +
         "». Эта команда их не сохранит, поэтому текст оставлен как есть.";
}

bool Refuse_Outside_Win1251(Text_Command_Host& host, const Kept_Text& text) {
  for (const std::wstring& kept : text.Kept) {
    if (kept == std::wstring(1, wchar_t(kStandIn))) continue;  // a control character of the page
    host.window.Notice(Outside_Win1251_Refusal(kept));
    return true;
  }
  return false;
}
