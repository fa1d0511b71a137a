#pragma once
// The one real main window of the Win32 tests, and the message pump they
// share.
#include <windows.h>

#include "app/win32/forma.h"

inline void Pump() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Creates the window on first use.
inline HWND Test_Forma() {
  if (!Forma.Handle) Create_Forma(GetModuleHandleW(nullptr), {});
  return Forma.Handle;
}

// The window shown and past its first activation.
inline bool Shown_Test_Forma() {
  if (!Test_Forma()) return false;
  ShowWindow(Forma.Handle, SW_SHOW);
  for (int i = 0; i < 20; ++i) {
    Pump();
    Sleep(10);
  }
  return true;
}
