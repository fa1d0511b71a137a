#include "text/win32/progress_display.h"

#include "common/settings_model.h"
#include "platform/win32/platform_win32.h"

void Main_Window_Progress::Enable_Input(bool enabled) {
  if (!enabled) {
    host_.Busy.Begin();
    return;
  }
  host_.Busy.End();
  // Typing goes on in the edit area.
  if (GetActiveWindow() == host_.Window) SetFocus(host_.Edit.Handle());
}

void Main_Window_Progress::Align_Mode_Panel_Right(bool right) { host_.Status.Align_Mode_Panel_Right(right); }

void Main_Window_Progress::Notice(const std::string& text) {
  MessageBoxW(host_.Window, Wide(text).c_str(), Wide(kMessageCaption).c_str(), MB_OK);
}
