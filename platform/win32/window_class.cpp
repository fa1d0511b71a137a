#include "platform/win32/window_class.h"

bool Register_Window_Class(const WNDCLASSEXW& wc) {
  WNDCLASSEXW known{};
  known.cbSize = sizeof(known);
  return GetClassInfoExW(wc.hInstance, wc.lpszClassName, &known) || RegisterClassExW(&wc) != 0;
}
