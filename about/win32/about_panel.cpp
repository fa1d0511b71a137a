#include "about/win32/about_form.h"
#include "platform/win32/window_class.h"

namespace {

const wchar_t Panel_Class[] = L"LirovantAboutPanel";

// The look is kept in the window's user data: bevel in the low byte, system
// colour index above it.
LONG_PTR Pack_Look(Panel_Bevel bevel, int colour_index) {
  return static_cast<LONG_PTR>(bevel) | (static_cast<LONG_PTR>(colour_index) << 8);
}
Panel_Bevel Bevel_Of(HWND panel) {
  return static_cast<Panel_Bevel>(GetWindowLongPtrW(panel, GWLP_USERDATA) & 0xFF);
}
int Colour_Of(HWND panel) { return static_cast<int>(GetWindowLongPtrW(panel, GWLP_USERDATA) >> 8); }

void Paint_Bevel(HWND panel, HDC dc) {
  RECT r;
  GetClientRect(panel, &r);
  switch (Bevel_Of(panel)) {
    case Panel_Bevel::None:
      break;
    case Panel_Bevel::Lowered_Outer_Raised_Inner:
      DrawEdge(dc, &r, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_RECT);
      break;
    case Panel_Bevel::Lowered_Both:
      DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
      InflateRect(&r, -1, -1);
      DrawEdge(dc, &r, BDR_SUNKENOUTER, BF_RECT);
      break;
  }
}

// Notifications and colour requests of the labels go to the box, which owns
// the logic; a panel only paints itself.
LRESULT CALLBACK Panel_Proc(HWND panel, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_NCCREATE: {
      auto* create = reinterpret_cast<CREATESTRUCTW*>(lparam);
      SetWindowLongPtrW(panel, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
      break;
    }
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(panel, &r);
      FillRect(reinterpret_cast<HDC>(wparam), &r, GetSysColorBrush(Colour_Of(panel)));
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(panel, &ps);
      Paint_Bevel(panel, dc);
      EndPaint(panel, &ps);
      return 0;
    }
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
      return SendMessageW(GetAncestor(panel, GA_ROOT), message, wparam, lparam);
    case WM_MOUSEMOVE:
      SendMessageW(GetAncestor(panel, GA_ROOT), WM_ABOUT_PANEL_MOUSE,
                   static_cast<WPARAM>(GetDlgCtrlID(panel)), lparam);
      return 0;
  }
  return DefWindowProcW(panel, message, wparam, lparam);
}

}  // namespace

bool Register_About_Panel(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Panel_Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.lpszClassName = Panel_Class;
  return Register_Window_Class(wc);
}

HWND Create_About_Panel(HWND parent, int id, RECT place, Panel_Bevel bevel, int colour_index) {
  return CreateWindowExW(0, Panel_Class, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, place.left, place.top,
                         place.right - place.left, place.bottom - place.top, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                         reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(parent, GWLP_HINSTANCE)),
                         reinterpret_cast<void*>(Pack_Look(bevel, colour_index)));
}
