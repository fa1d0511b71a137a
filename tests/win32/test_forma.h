#pragma once
// The one real main window of the Win32 tests, created on first use.
#include <windows.h>

#include "app/win32/forma.h"

inline HWND Test_Forma() {
  if (!Forma.Handle) Create_Forma(GetModuleHandleW(nullptr), {});
  return Forma.Handle;
}
