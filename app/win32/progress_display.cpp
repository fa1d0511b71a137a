#include "app/win32/progress_display.h"

#include "app/settings_model.h"
#include "app/win32/forma.h"
#include "app/win32/window_state.h"

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

void Forma_Command_Window::Enable_Input(bool enabled) {
  EnableWindow(Forma.Handle, enabled);
  // Disabling took the focus from the edit area; typing goes on there.
  if (enabled && GetActiveWindow() == Forma.Handle) SetFocus(Forma.RxRichEdit.Handle());
}

void Forma_Command_Window::Align_Mode_Panel_Right(bool right) {
  Forma.StatusBar.Align_Mode_Panel_Right(right);
}

void Forma_Command_Window::Notice(const std::string& text) {
  MessageBoxW(Forma.Handle, Wide(text).c_str(), Wide(kMessageCaption).c_str(), MB_OK);
}

Forma_Command_Window& Forma_Window() {
  static Forma_Command_Window window;
  return window;
}

Progress_Display::Progress_Display(std::int64_t size, Long_Command_Style style)
    : Long_Command(Forma.StatusBar, Forma_Window(), Forma.Keyboard, size, style) {}
