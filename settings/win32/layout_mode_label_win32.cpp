#include "settings/win32/layout_mode_label_win32.h"

#include "platform/win32/platform_win32.h"
#include "settings/win32/settings_ids.h"
#include "zmk/zmk.h"

void Win32_Layout_Label::Set_Text(const std::string& text) {
  SetWindowTextW(Handle(), Wide(text).c_str());
  InvalidateRect(Handle(), nullptr, TRUE);
}

void Win32_Layout_Label::Set_Shadow_Highlighted(bool highlighted) {
  shadow_colour_ = highlighted ? COLOR_BTNHIGHLIGHT : COLOR_BTNFACE;
  InvalidateRect(Handle(), nullptr, TRUE);
}

// The blink goes on while the user turns to the other page, which hides the
// label: it shows again only with its own page, the slider's. The style bit,
// not IsWindowVisible: the page counts as shown even while its dialog is hidden.
void Win32_Layout_Label::Toggle_Visible() {
  blinked_off_ = !blinked_off_;
  const bool page_shown = (GetWindowLongW(GetDlgItem(dialog_, IDC_Layout_Mode), GWL_STYLE) & WS_VISIBLE) != 0;
  ShowWindow(Handle(), page_shown && !blinked_off_ ? SW_SHOW : SW_HIDE);
}

void Win32_Layout_Label::Process_Messages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      PostQuitMessage(int(msg.wParam));
      return;
    }
    if (IsDialogMessageW(dialog_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

void Win32_Layout_Label::Delay(int32_t milliseconds) { _Delay_(milliseconds); }

void Win32_Layout_Label::Draw(const DRAWITEMSTRUCT& item) const {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
  const int length = GetWindowTextLengthW(item.hwndItem);
  std::wstring text(size_t(length) + 1, L'\0');
  text.resize(size_t(GetWindowTextW(item.hwndItem, text.data(), length + 1)));
  HGDIOBJ old_font = SelectObject(dc, HFONT(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0)));
  SetBkMode(dc, TRANSPARENT);
  const UINT format = DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  RECT shadow = r;
  OffsetRect(&shadow, 1, 1);
  SetTextColor(dc, GetSysColor(shadow_colour_));
  DrawTextW(dc, text.c_str(), int(text.size()), &shadow, format);
  SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
  DrawTextW(dc, text.c_str(), int(text.size()), &r, format);
  SelectObject(dc, old_font);
}
