#include "text/win32/progress_display.h"

#include "common/settings_model.h"
#include "platform/win32/platform_win32.h"

namespace {

bool Is_User_Input(const MSG& msg) {
  const UINT m = msg.message;
  return (m >= WM_KEYFIRST && m <= WM_KEYLAST) || (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) ||
         (m >= WM_NCMOUSEMOVE && m <= WM_NCXBUTTONDBLCLK) || m == kTrayCallback;
}

// Bounds one round, so that a window that keeps posting cannot hold the command.
constexpr int kMessagesPerRound = 10000;

}  // namespace

void Process_Pending_Messages() {
  MSG msg;
  for (int i = 0; i < kMessagesPerRound && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(int(msg.wParam));
      return;
    }
    if (Is_User_Input(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Main_Window_Progress::Enable_Input(bool enabled) {
  EnableWindow(host_.Window, enabled);
  // Disabling took the focus from the edit area; typing goes on there.
  if (enabled && GetActiveWindow() == host_.Window) SetFocus(host_.Edit.Handle());
}

void Main_Window_Progress::Align_Mode_Panel_Right(bool right) { host_.Status.Align_Mode_Panel_Right(right); }

void Main_Window_Progress::Notice(const std::string& text) {
  MessageBoxW(host_.Window, Wide(text).c_str(), Wide(kMessageCaption).c_str(), MB_OK);
}
