#include "settings/win32/nastroyki_dialog.h"

#include "app/command_ids.h"

namespace {
HWND dialog = nullptr;

INT_PTR CALLBACK Nastroyki_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM) {
  if (msg == WM_COMMAND && (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL)) {
    ShowWindow(hwnd, SW_HIDE);
    return TRUE;
  }
  return msg == WM_INITDIALOG;
}
}  // namespace

HWND Create_Nastroyki(HINSTANCE instance, HWND owner) {
  if (!dialog) dialog = CreateDialogParamW(instance, MAKEINTRESOURCEW(IDD_NASTROYKI), owner, Nastroyki_Proc, 0);
  return dialog;
}
