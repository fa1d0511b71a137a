#include "platform/win32/search_ui_win32.h"

#include "common/settings_model.h"
#include "platform/win32/platform_win32.h"

namespace {
int Box(HWND owner, const std::string& text, UINT type) {
  return MessageBoxW(owner, Wide(text).c_str(), Wide(kMessageCaption).c_str(), type);
}
}  // namespace

bool Win32_Search_Ui::Ok_Cancel(const std::string& text) {
  // With its window gone, nobody is left to answer: stop the search.
  if (owner_ && !IsWindow(owner_)) return false;
  return Box(owner_, text, MB_OKCANCEL) == IDOK;
}

void Win32_Search_Ui::Notice(const std::string& text) { Box(owner_, text, MB_OK); }
void Win32_Search_Ui::Error(const std::string& text) { Box(owner_, text, MB_OK | MB_ICONERROR); }
void Win32_Search_Ui::Beep() { MessageBeep(0); }
void Win32_Search_Ui::Enable_Input(bool enabled) {
  if (enabled)
    busy_.End();
  else
    busy_.Begin();
}
