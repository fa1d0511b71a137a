#include "about/win32/about_box.h"

#include <shellapi.h>

#include <vector>

#include "about/about_texts.h"
#include "about/win32/about_form.h"
#include "about/win32/about_ids.h"
#include "platform/win32/dpi_win32.h"

namespace {

const wchar_t Box_Class[] = L"LirovantAboutBox";

// The box lives until the process ends, like the program's other windows.
TAboutBox About;

void Shell_Open(HWND box, const wchar_t* target) {
  ShellExecuteW(box, L"open", target, L"", L"", SW_SHOW);  // failures are not reported
}
About_Link_Opener Link_Opener = Shell_Open;

// --- the scroll -----------------------------------------------------------

void Place_Story_Labels() {
  for (int k = 0; k < Scroll_Clock::Label_Count; ++k)
    SetWindowPos(About.Story_Labels[k], nullptr, 0, Scaled(About.Clock.Label_Top(k + 1), About.Dpi), 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateWindow(About.Panel);
}

// The version and the story pieces, and the heights the clock spaces the
// pieces by, in its pixels at 96 DPI.
void Fill_Labels() {
  Set_Label_Text(About.Version, About_Wide(About_Version_Text(About_Program_Title)), 0, About.Dpi);
  int heights[Scroll_Clock::Label_Count];
  for (int k = 0; k < Scroll_Clock::Label_Count; ++k) {
    Set_Label_Text(About.Story_Labels[k], About_Wide(Story_Piece(k + 1)), About_Story_Width, About.Dpi);
    RECT r{};
    GetWindowRect(About.Story_Labels[k], &r);
    heights[k] = MulDiv(r.bottom - r.top, kBaseDpi, About.Dpi);
  }
  About.Clock.Set_Piece_Heights(heights);
}

void On_First_Activation() {
  Fill_Labels();
  About.Clock.Activate();
  Place_Story_Labels();
  SetTimer(About.Form, IDT_ABOUT_TIMER, Scroll_Clock::Timer_Interval_Ms, nullptr);
}

void FormDeactivate() {
  KillTimer(About.Form, IDT_ABOUT_TIMER);
  About.Clock.Deactivate();
}

void TimerTimer() {
  if (About.Clock.Tick()) Place_Story_Labels();
}

// --- the links ------------------------------------------------------------

void Set_Link_Look(HWND link, bool& hot, bool now_hot) {
  if (hot == now_hot) return;
  hot = now_hot;
  SendMessageW(link, WM_SETFONT, reinterpret_cast<WPARAM>(now_hot ? About.Link_Hot_Font : About.Plain_Font),
               TRUE);
  InvalidateRect(link, nullptr, TRUE);
}

void MailToMouseMove() { Set_Link_Look(About.MailTo, About.MailTo_Hot, true); }
void HomePageMouseMove() { Set_Link_Look(About.HomePage, About.HomePage_Hot, true); }

void MayPanelMouseMove() {
  Set_Link_Look(About.MailTo, About.MailTo_Hot, false);
  Set_Link_Look(About.HomePage, About.HomePage_Hot, false);
}

void Open_Mail_Link() { Link_Opener(About.Form, About_Wide(About_Mail_Target()).c_str()); }
void Open_Home_Page_Link() { Link_Opener(About.Form, About_Wide(About_Home_Page).c_str()); }

WNDPROC Static_Proc = nullptr;

// The links are plain static labels that also watch the mouse and show a hand.
LRESULT CALLBACK Link_Proc(HWND link, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_SETCURSOR) {
    SetCursor(LoadCursor(nullptr, IDC_HAND));
    return TRUE;
  }
  if (message == WM_MOUSEMOVE) {
    if (link == About.MailTo) MailToMouseMove();
    if (link == About.HomePage) HomePageMouseMove();
  }
  return CallWindowProcW(Static_Proc, link, message, wparam, lparam);
}

void Watch_Links() {
  Static_Proc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(About.MailTo, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Link_Proc)));
  SetWindowLongPtrW(About.HomePage, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Link_Proc));
}

// --- colours --------------------------------------------------------------

bool Is_Story_Label(HWND label) {
  for (HWND lab : About.Story_Labels)
    if (lab == label) return true;
  return false;
}

COLORREF Text_Colour(HWND label) {
  if (label == About.ProductName || label == About.Version || label == About.Label2) return About_Maroon;
  if (label == About.MailTo) return About.MailTo_Hot ? About_Blue : About_Navy;
  if (label == About.HomePage) return About.HomePage_Hot ? About_Blue : About_Navy;
  if (Is_Story_Label(label)) return GetSysColor(COLOR_HIGHLIGHT);
  return GetSysColor(COLOR_WINDOWTEXT);
}

LRESULT Label_Colours(HDC dc, HWND label) {
  const int background = Is_Story_Label(label) ? COLOR_INFOBK : COLOR_BTNFACE;
  SetTextColor(dc, Text_Colour(label));
  SetBkColor(dc, GetSysColor(background));
  return reinterpret_cast<LRESULT>(GetSysColorBrush(background));
}

// --- the box --------------------------------------------------------------

void Close_Clicked() { About.Closing = true; }

void On_Command(int id, int code) {
  if (id == IDOK && code == BN_CLICKED) Close_Clicked();
  if (id == IDC_ABOUT_MAIL_TO && code == STN_CLICKED) Open_Mail_Link();
  if (id == IDC_ABOUT_HOME_PAGE && code == STN_CLICKED) Open_Home_Page_Link();
  // IDCANCEL, which the dialog manager sends for Esc, is left unanswered.
}

constexpr DWORD Box_Style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD Box_Ex_Style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;

// The controls and fonts anew at another DPI, and the box resized to them;
// an open box keeps its story where it was.
bool Build_At(int dpi) {
  const bool had_focus = About.OKButton && GetFocus() == About.OKButton;
  Free_About_Controls(About);
  About.Dpi = dpi;
  // The frame as the window has it, drawn at its monitor's scale already.
  RECT window{}, client{};
  GetWindowRect(About.Form, &window);
  GetClientRect(About.Form, &client);
  SetWindowPos(About.Form, nullptr, 0, 0,
               Scaled(About_Client_Width, dpi) + (window.right - window.left) - client.right,
               Scaled(About_Client_Height, dpi) + (window.bottom - window.top) - client.bottom,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  const HINSTANCE instance = HINSTANCE(GetWindowLongPtrW(About.Form, GWLP_HINSTANCE));
  if (!Build_About_Controls(About, instance)) return false;
  Watch_Links();
  Fill_Labels();
  Place_Story_Labels();
  if (had_focus) SetFocus(About.OKButton);
  return true;
}

LRESULT CALLBACK Box_Proc(HWND form, UINT message, WPARAM wparam, LPARAM lparam) {
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
        FormDeactivate();
      } else {
        On_First_Activation();
        if (IsWindowVisible(form)) SetFocus(About.OKButton);
      }
      return 0;
    case WM_TIMER:
      if (wparam == IDT_ABOUT_TIMER) TimerTimer();
      return 0;
    case WM_COMMAND:
      On_Command(LOWORD(wparam), HIWORD(wparam));
      return 0;
    case DM_GETDEFID:
      return MAKELRESULT(IDOK, DC_HASDEFID);
    case WM_CTLCOLORSTATIC:
      return Label_Colours(reinterpret_cast<HDC>(wparam), reinterpret_cast<HWND>(lparam));
    case WM_ABOUT_PANEL_MOUSE:
      if (static_cast<int>(wparam) == IDC_ABOUT_MAY_PANEL) MayPanelMouseMove();
      return 0;
    case WM_CLOSE:
      if (About.Showing)
        About.Closing = true;
      else
        ShowWindow(form, SW_HIDE);
      return 0;
    case WM_DESTROY:
      FormDeactivate();
      return 0;
    // The box goes with its owner; a later box is a new one.
    case WM_NCDESTROY:
      Free_About_Fonts(About);
      About = TAboutBox{};
      return 0;
  }
  return DefWindowProcW(form, message, wparam, lparam);
}

bool Register_Box(HINSTANCE instance) {
  WNDCLASSEXW wc{};
  if (GetClassInfoExW(instance, Box_Class, &wc)) return true;
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Box_Proc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = Box_Class;
  return RegisterClassExW(&wc) != 0;
}

// --- modal showing --------------------------------------------------------

void Centre_Box(HWND owner) {
  HMONITOR monitor = MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(monitor, &info);
  RECT box;
  GetWindowRect(About.Form, &box);
  const int width = box.right - box.left, height = box.bottom - box.top;
  const RECT& area = info.rcWork;
  SetWindowPos(About.Form, nullptr, area.left + (area.right - area.left - width) / 2,
               area.top + (area.bottom - area.top - height) / 2, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// While the box is open the program's other top-level windows refuse input.
BOOL CALLBACK Disable_Window(HWND window, LPARAM list) {
  if (window != About.Form && IsWindowVisible(window) && IsWindowEnabled(window)) {
    EnableWindow(window, FALSE);
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  }
  return TRUE;
}

std::vector<HWND> Disable_Other_Windows() {
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), Disable_Window, reinterpret_cast<LPARAM>(&disabled));
  return disabled;
}

// Runs the box's messages until it is closed. A quit request ends the wait and
// is passed on to the program's own loop.
void Run_Modal_Loop() {
  MSG msg;
  while (!About.Closing) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    if (!IsDialogMessageW(About.Form, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

}  // namespace

HWND Create_About_Box(HINSTANCE instance, HWND owner) {
  if (About.Form) return About.Form;
  if (!Register_Box(instance)) return nullptr;
  About.Dpi = Window_Dpi(owner);
  const RECT frame =
      Frame_Around(RECT{0, 0, Scaled(About_Client_Width, About.Dpi), Scaled(About_Client_Height, About.Dpi)},
                   Box_Style, Box_Ex_Style, About.Dpi);
  About.Form = CreateWindowExW(Box_Ex_Style, Box_Class, About_Wide(About_Caption).c_str(), Box_Style,
                               CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                               frame.bottom - frame.top, owner, nullptr, instance, nullptr);
  if (!About.Form) return nullptr;
  About.Picture = Load_About_Picture(instance);
  if (!Build_About_Controls(About, instance)) {
    DestroyWindow(About.Form);
    About.Form = nullptr;
    Free_About_Fonts(About);
    return nullptr;
  }
  Watch_Links();
  return About.Form;
}

void Show_About_Box(HWND owner) {
  if (!About.Form) Create_About_Box(GetModuleHandleW(nullptr), owner);
  if (!About.Form || About.Showing) return;
  About.Clock.Open();
  Place_Story_Labels();
  Centre_Box(owner);
  // Centred on the owner's monitor, it is drawn at that monitor's scale.
  if (Window_Dpi(About.Form) != About.Dpi && Build_At(Window_Dpi(About.Form))) Centre_Box(owner);
  About.Showing = true;
  About.Closing = false;
  const std::vector<HWND> disabled = Disable_Other_Windows();
  ShowWindow(About.Form, SW_SHOW);
  SetForegroundWindow(About.Form);
  Run_Modal_Loop();
  // Owners back first, so that activation returns to them and not elsewhere.
  for (HWND window : disabled) EnableWindow(window, TRUE);
  ShowWindow(About.Form, SW_HIDE);
  if (owner && IsWindow(owner)) SetActiveWindow(owner);
  About.Showing = false;
  About.Closing = false;
}

About_Link_Opener Set_About_Link_Opener(About_Link_Opener opener) {
  About_Link_Opener previous = Link_Opener;
  Link_Opener = opener ? opener : Shell_Open;
  return previous;
}
