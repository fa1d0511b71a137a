#include "platform/win32/status_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

#include "platform/status_layout.h"
#include "platform/win32/dpi_win32.h"
#include "platform/win32/platform_win32.h"

namespace {
constexpr int kFontPixels = 11;
constexpr int kHeight = 19;
// Beside its text a panel keeps its borders and the space the bar leaves
// before and after the text.
constexpr int kTextMargins = 10;
}  // namespace

Status_Bar::~Status_Bar() {
  if (font_) DeleteObject(font_);
}

HWND Status_Bar::Create(HWND parent) {
  hwnd_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE | CCS_BOTTOM, 0, 0, 0, kHeight,
                          parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  for (int i = 0; i < kPanelTotal; ++i) looks_[i] = Look_Of_Panel(i);
  if (hwnd_) Set_Dpi(Window_Dpi(parent));
  return hwnd_;
}

void Status_Bar::Set_Dpi(int dpi) {
  dpi_ = dpi;
  HFONT old = font_;
  font_ = CreateFontW(-Scaled(kFontPixels, dpi), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                      L"Arial");
  SendMessageW(hwnd_, WM_SETFONT, WPARAM(font_), FALSE);
  if (old) DeleteObject(old);
  SendMessageW(hwnd_, SB_SETMINHEIGHT, Scaled(kHeight, dpi), 0);
  SendMessageW(hwnd_, WM_SIZE, 0, 0);
  Lay_Out();
}

int Status_Bar::Text_Width(const std::string& text) const {
  if (text.empty()) return 0;
  const std::wstring wide = Wide(text);
  HDC dc = GetDC(hwnd_);
  HGDIOBJ old = SelectObject(dc, font_);
  SIZE size{};
  GetTextExtentPoint32W(dc, wide.c_str(), int(wide.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(hwnd_, dc);
  return size.cx;
}

int Status_Bar::Panel_Need(int panel) const {
  int widest = Text_Width(texts_[panel]);
  for (const std::string& text : looks_[panel].Widest) widest = std::max(widest, Text_Width(text));
  return widest > 0 ? widest + Scaled(kTextMargins, dpi_) : 0;
}

void Status_Bar::Lay_Out() {
  if (!hwnd_) return;
  RECT client{};
  GetClientRect(hwnd_, &client);
  // The sizing grip in the corner covers the end of the last panel.
  int width = client.right;
  if (GetWindowLongW(hwnd_, GWL_STYLE) & SBARS_SIZEGRIP) width -= Metric_For_Dpi(SM_CXVSCROLL, dpi_);
  std::vector<Panel_Room> rooms(kPanelTotal);
  for (int i = 0; i < kPanelTotal; ++i) {
    need_[i] = Panel_Need(i);
    rooms[i] = {need_[i], Scaled(looks_[i].Wish, dpi_)};
  }
  std::vector<int> right = Panel_Right_Edges(rooms, width);
  SendMessageW(hwnd_, SB_SETPARTS, kPanelTotal, LPARAM(right.data()));
}

int Status_Bar::Height() const {
  RECT r{};
  GetWindowRect(hwnd_, &r);
  return r.bottom - r.top;
}

std::string Status_Bar::Text(int panel) { return panel >= 0 && panel < kPanelTotal ? texts_[panel] : ""; }

void Status_Bar::Set_Text(int panel, const std::string& text) {
  if (panel < 0 || panel >= kPanelTotal) return;
  if (hwnd_ && text == shown_[panel] && text == texts_[panel]) return;
  texts_[panel] = text;
  // A text wider than its panel was laid out for widens the panel; the
  // progress marks only fill what room their panel has.
  if (hwnd_ && !looks_[panel].Widest.empty() && Text_Width(text) + Scaled(kTextMargins, dpi_) > need_[panel])
    Lay_Out();
  Show(panel);
}

void Status_Bar::Align_Mode_Panel_Right(bool right) {
  mode_right_ = right;
  Show(kPanelMode);
}

void Status_Bar::Show(int panel) {
  if (!hwnd_) return;
  // Two tabs put a panel's text against its right edge.
  const std::wstring text = Wide((panel == kPanelMode && mode_right_ ? "\t\t" : "") + texts_[panel]);
  SendMessageW(hwnd_, SB_SETTEXTW, WPARAM(panel), LPARAM(text.c_str()));
  shown_[panel] = texts_[panel];
}
