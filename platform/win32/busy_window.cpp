#include "platform/win32/busy_window.h"

#include "platform/win32/platform_win32.h"

namespace {

bool Is_User_Input(const MSG& msg) {
  const UINT m = msg.message;
  return (m >= WM_KEYFIRST && m <= WM_KEYLAST) || (m >= WM_MOUSEFIRST && m <= WM_MOUSELAST) ||
         (m >= WM_NCMOUSEMOVE && m <= WM_NCXBUTTONDBLCLK) || m == kTrayCallback;
}

bool Is_Key_Down(const MSG& msg, WPARAM key) {
  return (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) && msg.wParam == key;
}

// Bounds one round, so that a window that keeps posting cannot hold the command.
constexpr int kMessagesPerRound = 10000;

}  // namespace

void Busy_Window::Begin() {
  if (depth_++ == 0) stop_ = close_ = false;
}

void Busy_Window::End() {
  if (depth_ == 0) return;
  // Keys and clicks made during the last step are the command's as well, not
  // the text's; a close request among them waits like any other.
  if (depth_ == 1) Pump();
  if (--depth_ > 0) return;
  stop_ = false;
  if (close_ && main_) PostMessageW(main_, WM_CLOSE, 0, 0);
  close_ = false;
}

void Busy_Window::Ask_Close() {
  stop_ = true;
  close_ = true;
}

void Busy_Window::Note_Input(const MSG& msg) {
  const bool alt = (msg.lParam & (LPARAM(1) << 29)) != 0;
  if (Is_Key_Down(msg, VK_ESCAPE)) {
    stop_ = true;
  } else if (Is_Key_Down(msg, VK_F4) && alt) {
    Ask_Close();
  } else if (msg.message == WM_NCLBUTTONDOWN && msg.wParam == HTCLOSE && msg.hwnd == main_) {
    Ask_Close();
  }
}

void Busy_Window::Pump() {
  MSG msg;
  for (int i = 0; i < kMessagesPerRound && PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE); ++i) {
    if (msg.message == WM_QUIT) {
      // The program's own loop must still see it.
      PostQuitMessage(int(msg.wParam));
      return;
    }
    if (Is_User_Input(msg)) {
      if (Busy()) Note_Input(msg);
      continue;
    }
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}
