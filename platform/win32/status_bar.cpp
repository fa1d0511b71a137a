#include "platform/win32/status_bar.h"

#include <commctrl.h>

#include "platform/status_text.h"
#include "platform/win32/platform_win32.h"

namespace {
constexpr int kWidths[kPanelTotal] = {130, 130, 150, 206, 50, 80, 80};
constexpr int kHeight = 19;
}  // namespace

HWND Status_Bar::Create(HWND parent) {
  hwnd_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0, 0, kHeight,
                          parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  font_ = CreateFontW(-11, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                      CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, L"Arial");
  SendMessageW(hwnd_, WM_SETFONT, WPARAM(font_), FALSE);
  SendMessageW(hwnd_, SB_SETMINHEIGHT, kHeight, 0);
  int right[kPanelTotal];
  int x = 0;
  for (int i = 0; i < kPanelTotal; ++i) right[i] = x += kWidths[i];
  SendMessageW(hwnd_, SB_SETPARTS, kPanelTotal, LPARAM(right));
  SendMessageW(hwnd_, WM_SIZE, 0, 0);
  return hwnd_;
}

int Status_Bar::Height() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return r.bottom - r.top;
}

std::string Status_Bar::Text(int panel) { return panel >= 0 && panel < kPanelTotal ? texts_[panel] : ""; }

void Status_Bar::Set_Text(int panel, const std::string& text) {
  if (panel < 0 || panel >= kPanelTotal) return;
  texts_[panel] = text;
  Show(panel);
}

void Status_Bar::Align_Mode_Panel_Right(bool right) {
  mode_right_ = right;
  Show(2);
}

void Status_Bar::Show(int panel) {
  if (!hwnd_) return;
  // Two tabs put a panel's text against its right edge.
  const std::wstring text = Wide((panel == 2 && mode_right_ ? "\t\t" : "") + texts_[panel]);
  SendMessageW(hwnd_, SB_SETTEXTW, WPARAM(panel), LPARAM(text.c_str()));
}
