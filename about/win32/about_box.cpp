#include "about/win32/about_box.h"

#include <shellapi.h>

#include <vector>

#include "about/about_texts.h"
#include "about/win32/about_form.h"
#include "about/win32/about_ids.h"
#include "common/command_ids.h"
#include "platform/win32/dpi_win32.h"
#include "platform/win32/window_class.h"

namespace {

const wchar_t Box_Class[] = L"LirovantAboutBox";

void Shell_Open(HWND box, const wchar_t* target) {
  ShellExecuteW(box, L"open", target, L"", L"", SW_SHOW);  // failures are not reported
}

constexpr DWORD Box_Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD Box_Ex_Style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

bool Register_Box(HINSTANCE instance, WNDPROC proc) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = Box_Class;
  return Register_Window_Class(wc);
}

// While the box is open the program's other top-level windows refuse input.
struct Disabling {
  HWND Box;
  std::vector<HWND> Disabled;
};

BOOL CALLBACK Disable_Window(HWND window, LPARAM state) {
  auto& d = *reinterpret_cast<Disabling*>(state);
  if (window != d.Box && IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    d.Disabled.push_back(window);
  }
  return TRUE;
}

}  // namespace

About_Box::~About_Box() {
  if (box_.Form) DestroyWindow(box_.Form);
}

// --- the scroll -----------------------------------------------------------

void About_Box::Place_Story_Labels() {
  for (int k = 0; k < Scroll_Clock::Label_Count; ++k)
    SetWindowPos(box_.Story_Labels[k], nullptr, 0, Scaled(box_.Clock.Label_Top(k + 1), box_.Dpi), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateWindow(box_.Panel);
}

// The version and the story pieces, and the heights the clock spaces the
// pieces by, in its pixels at 96 DPI.
void About_Box::Fill_Labels() {
  Set_Label_Text(box_.Version, About_Wide(About_Version_Text(About_Program_Title)), 0, box_.Dpi);
  int heights[Scroll_Clock::Label_Count];
  for (int k = 0; k < Scroll_Clock::Label_Count; ++k) {
    Set_Label_Text(box_.Story_Labels[k], About_Wide(Story_Piece(k + 1)), About_Story_Width, box_.Dpi);
    RECT r{};
    GetWindowRect(box_.Story_Labels[k], &r);
    heights[k] = MulDiv(r.bottom - r.top, kBaseDpi, box_.Dpi);
  }
  box_.Clock.Set_Piece_Heights(heights);
}

void About_Box::On_Activation() {
  Fill_Labels();
  box_.Clock.Activate();
  Place_Story_Labels();
  SetTimer(box_.Form, IDT_ABOUT_TIMER, Scroll_Clock::Timer_Interval_Ms, nullptr);
}

void About_Box::On_Deactivation() {
  KillTimer(box_.Form, IDT_ABOUT_TIMER);
  box_.Clock.Deactivate();
}

// --- the links ------------------------------------------------------------

void About_Box::Set_Link_Look(HWND link, bool& hot, bool now_hot) {
  if (hot == now_hot) return;
  hot = now_hot;
  SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(now_hot ? box_.Link_Hot_Font : box_.Plain_Font),
               TRUE);
  InvalidateRect(link, nullptr, TRUE);
}

void About_Box::Mouse_Over_Panel() {
  Set_Link_Look(box_.MailTo, box_.MailTo_Hot, false);
  Set_Link_Look(box_.HomePage, box_.HomePage_Hot, false);
}

void About_Box::Open_Link(const std::wstring& target) {
  if (link_opener_)
    link_opener_(box_.Form, target.c_str());
  else
    Shell_Open(box_.Form, target.c_str());
}

// The links are plain static labels that also watch the mouse and show a
// hand; each keeps its box in its user data.
LRESULT CALLBACK About_Box::Link_Proc(HWND link, UINT message, WPARAM wparam, LPARAM lparam) {
  auto& self = *reinterpret_cast<About_Box*>(GetWindowLongPtrW(link, GWLP_USERDATA));
  if (message == WM_SETCURSOR) {
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    return TRUE;
  }
  if (message == WM_MOUSEMOVE) {
    if (link == self.box_.MailTo) self.Set_Link_Look(link, self.box_.MailTo_Hot, true);
    if (link == self.box_.HomePage) self.Set_Link_Look(link, self.box_.HomePage_Hot, true);
  }
  return CallWindowProcW(self.static_proc_, link, message, wparam, lparam);
}

void About_Box::Watch_Links() {
  for (HWND link : {box_.MailTo, box_.HomePage}) {
    SetWindowLongPtrW(link, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    static_proc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(link, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Link_Proc)));
  }
}

// --- colours --------------------------------------------------------------

bool About_Box::Is_Story_Label(HWND label) const {
  for (HWND lab : box_.Story_Labels)
    if (lab == label) return true;
  return false;
}

COLORREF About_Box::Text_Colour(HWND label) const {
  if (label == box_.ProductName || label == box_.Version || label == box_.Label2) return About_Maroon;
  if (label == box_.MailTo) return box_.MailTo_Hot ? About_Blue : About_Navy;
  if (label == box_.HomePage) return box_.HomePage_Hot ? About_Blue : About_Navy;
  if (Is_Story_Label(label)) return GetSysColor(COLOR_HIGHLIGHT);
  return GetSysColor(COLOR_WINDOWTEXT);
}

LRESULT About_Box::Label_Colours(HDC dc, HWND label) const {
  const int background = Is_Story_Label(label) ? COLOR_INFOBK : COLOR_BTNFACE;
  SetTextColor(dc, Text_Colour(label));
  SetBkColor(dc, GetSysColor(background));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

// --- the box --------------------------------------------------------------

void About_Box::On_Command(int id, int code) {
  if (id == IDOK && code == BN_CLICKED) box_.Closing = true;
  if (id == IDC_ABOUT_MAIL_TO && code == STN_CLICKED) Open_Link(About_Wide(About_Mail_Target()));
  if (id == IDC_ABOUT_HOME_PAGE && code == STN_CLICKED) Open_Link(About_Wide(About_Home_Page));
  // IDCANCEL, which the dialog manager sends for Esc, is left unanswered.
}

// The controls and fonts anew at another DPI, and the box resized to them;
// an open box keeps its story where it was.
bool About_Box::Build_At(int dpi) {
  const bool had_focus = box_.OKButton && GetFocus() == box_.OKButton;
  Free_About_Controls(box_);
  box_.Dpi = dpi;
  // The frame as the window has it, drawn at its monitor's scale already.
  RECT window{}, client{};
  GetWindowRect(box_.Form, &window);
  GetClientRect(box_.Form, &client);
  SetWindowPos(box_.Form, nullptr, 0, 0,
               Scaled(About_Client_Width, dpi) + (window.right - window.left) - client.right,
               Scaled(About_Client_Height, dpi) + (window.bottom - window.top) - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const HINSTANCE instance = HINSTANCE(GetWindowLongPtrW(box_.Form, GWLP_HINSTANCE));
  if (!Build_About_Controls(box_, instance)) return false;
  Watch_Links();
  Fill_Labels();
  Place_Story_Labels();
  if (had_focus) SetFocus(box_.OKButton);
  return true;
}

LRESULT CALLBACK About_Box::Box_Proc(HWND form, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* created = reinterpret_cast<const CREATESTRUCTW*>(lparam);
    SetWindowLongPtrW(form, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created->lpCreateParams));
  }
  auto* self = reinterpret_cast<About_Box*>(GetWindowLongPtrW(form, GWLP_USERDATA));
  return self ? self->On_Message(form, message, wparam, lparam)
              : DefWindowProcW(form, message, wparam, lparam);
}

LRESULT About_Box::On_Message(HWND form, UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_DPICHANGED: {
      const RECT& suggested = *reinterpret_cast<const RECT*>(lparam);
      Build_At(HIWORD(wparam));
      SetWindowPos(form, nullptr, suggested.left, suggested.top, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      return 0;
    }
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        On_Deactivation();
      } else {
        On_Activation();
        if (IsWindowVisible(form)) SetFocus(box_.OKButton);
      }
      return 0;
    case WM_TIMER:
      if (wparam == IDT_ABOUT_TIMER && box_.Clock.Tick()) Place_Story_Labels();
      return 0;
    case WM_COMMAND:
      On_Command(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_CTLCOLORSTATIC:
      return Label_Colours(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_ABOUT_PANEL_MOUSE:
      if (static_cast<int>(wparam) == IDC_ABOUT_MAY_PANEL) Mouse_Over_Panel();
      return 0;
    case WM_CLOSE:
      if (box_.Showing)
        box_.Closing = true;
      else
        ShowWindow(form, SW_HIDE);
      return 0;
    case WM_DESTROY:
      On_Deactivation();
      return 0;
    // The box goes with its owner; a later box is a new one.
    case WM_NCDESTROY:
      SetWindowLongPtrW(form, GWLP_USERDATA, 0);
      Free_About_Fonts(box_);
      box_ = TAboutBox{};
      return 0;
  }
  return DefWindowProcW(form, message, wparam, lparam);
}

// --- modal showing --------------------------------------------------------

void About_Box::Centre_Box() {
  HMONITOR monitor = MonitorFromWindow(owner_, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(monitor, &info);
  RECT box;
  GetWindowRect(box_.Form, &box);
  const int width = box.right - box.left, height = box.bottom - box.top;
  const RECT& area = info.rcWork;
  SetWindowPos(box_.Form, nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::vector<HWND> About_Box::Disable_Other_Windows() {
  Disabling d{box_.Form, {}};
  EnumThreadWindows(GetCurrentThreadId(), Disable_Window, reinterpret_cast<LPARAM>(&d));
  return d.Disabled;
}

// Runs the box's messages until it is closed. A quit request ends the wait and
// is passed on to the program's own loop.
void About_Box::Run_Modal_Loop() {
  MSG msg;
  while (!box_.Closing) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    if (!IsDialogMessageW(box_.Form, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

HWND About_Box::Create(HINSTANCE instance) {
  if (box_.Form) return box_.Form;
  if (!Register_Box(instance, Box_Proc)) return nullptr;
  box_.Dpi = Window_Dpi(owner_);
  const RECT frame =
      Frame_Around(RECT{0, 0, Scaled(About_Client_Width, box_.Dpi), Scaled(About_Client_Height, box_.Dpi)},
                   Box_Style, Box_Ex_Style, box_.Dpi);
  box_.Form = CreateWindowExW(Box_Ex_Style, Box_Class, About_Wide(About_Caption).c_str(), Box_Style,
                              CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                              frame.bottom - frame.top, owner_, nullptr, instance, this);
  if (!box_.Form) return nullptr;
  box_.Picture = Load_About_Picture(instance);
  if (!Build_About_Controls(box_, instance)) {
    DestroyWindow(box_.Form);
    box_.Form = nullptr;
    Free_About_Fonts(box_);
    return nullptr;
  }
  Watch_Links();
  return box_.Form;
}

void About_Box::Show() {
  if (!box_.Form) Create(GetModuleHandleW(nullptr));
  if (!box_.Form || box_.Showing) return;
  box_.Clock.Open();
  Place_Story_Labels();
  Centre_Box();
  // Centred on the owner's monitor, it is drawn at that monitor's scale.
  if (Window_Dpi(box_.Form) != box_.Dpi && Build_At(Window_Dpi(box_.Form))) Centre_Box();
  box_.Showing = true;
  box_.Closing = false;
  const std::vector<HWND> disabled = Disable_Other_Windows();
  ShowWindow(box_.Form, SW_SHOW);
  SetForegroundWindow(box_.Form);
  Run_Modal_Loop();
  // Owners back first, so that activation returns to them and not elsewhere.
  for (HWND window : disabled) EnableWindow(window, TRUE);
  ShowWindow(box_.Form, SW_HIDE);
  if (owner_ && IsWindow(owner_)) SetActiveWindow(owner_);
  box_.Showing = false;
  box_.Closing = false;
}

void About_Box::Register(Command_Table& table) {
  table.Add(IDM_About, [this] { Show(); });
}
