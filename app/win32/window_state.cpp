#include "app/win32/window_state.h"

#include "app/event_sounds.h"
#include "common/program_paths.h"
#include "common/settings_file.h"
#include "app/window_placement.h"
#include "app/window_state_tip.h"
#include "platform/win32/dpi_win32.h"
#include "platform/win32/platform_win32.h"
#include "platform/win32/profile_win32.h"
#include "platform/win32/window_class.h"

namespace {

constexpr wchar_t kApplicationClass[] = L"Lirovant_Application";
constexpr UINT kPassActivation = WM_APP + 1;

}  // namespace

Window_Bounds Current_Bounds(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return {r.top, r.left, r.bottom - r.top, r.right - r.left};
}

// The first restore of a window started maximised goes back to the stored
// normal rectangle rather than the one creation gave it.
void Window_State::Restore_Stored_Bounds() {
  Win32_Profile profile(host_.Settings_Path());
  Settings_File file(profile);
  const int dpi = host_.Window_Dpi();
  Window_Bounds b{file.Read_Integer("Size", "Top_Store", Scaled(80, dpi)),
                  file.Read_Integer("Size", "Left_Store", Scaled(80, dpi)),
                  file.Read_Integer("Size", "Height_Store", Scaled(300, dpi)),
                  file.Read_Integer("Size", "Width_Store", Scaled(400, dpi))};
  b = Fit_On_Screen(b, Virtual_Screen());
  MoveWindow(host_.Main_Handle(), b.Left, b.Top, b.Width, b.Height, TRUE);
}

// The program's icon at the size of a small icon at the taskbar's scale,
// drawn from the icon's own larger images rather than blown up. The shell
// keeps a copy; the caller destroys this one.
HICON Window_State::Tray_Icon() {
  using Load_Icon_Metric = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, HICON*);
  static const auto load_icon_metric = reinterpret_cast<Load_Icon_Metric>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "LoadIconMetric")));
  const HINSTANCE instance = HINSTANCE(GetWindowLongPtrW(host_.Main_Handle(), GWLP_HINSTANCE));
  const int small_icon = 0;  // LIM_SMALL
  HICON icon = nullptr;
  if (load_icon_metric && load_icon_metric(instance, L"MAINICON", small_icon, &icon) == S_OK) return icon;
  const int size = Metric_For_Dpi(SM_CXSMICON, System_Dpi());
  return HICON(LoadImageW(instance, L"MAINICON", IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

bool Window_State::Add_Tray_Icon() {
  NOTIFYICONDATAW record{};
  HICON icon = Tray_Icon();
  Fill_Tray_Record(record, host_.Main_Handle(), icon, host_.Tray_Tip());
  const bool added = Shell_NotifyIconW(NIM_ADD, &record) != FALSE;
  if (icon) DestroyIcon(icon);
  return added;
}

void Window_State::Delete_Tray_Icon() {
  NOTIFYICONDATAW record{};
  record.cbSize = NOTIFYICONDATAW_V1_SIZE;
  record.hWnd = host_.Main_Handle();
  record.uID = kTrayIconId;
  Shell_NotifyIconW(NIM_DELETE, &record);
}

// Without a tray icon a minimised program must keep its taskbar entry, or
// nothing would be left to bring it back with.
void Window_State::Tray_Or_Taskbar() {
  minimized_to_tray_ = true;
  if (Add_Tray_Icon())
    ShowWindow(application_, SW_HIDE);
  else
    ShowWindow(application_, SW_SHOWMINNOACTIVE);
}

void Window_State::Show_Tray_Menu() {
  POINT at{};
  GetCursorPos(&at);
  SetForegroundWindow(host_.Main_Handle());
  TrackPopupMenu(GetSubMenu(host_.Tray_Popup(), 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0,
                 host_.Main_Handle(), nullptr);
  // Without a message of its own the menu of a background window may not close.
  PostMessageW(host_.Main_Handle(), WM_NULL, 0, 0);
}

// A window started maximised gets the stored normal rectangle as the one a
// restore returns to. Creation gave it the maximised bounds, and a restore
// to a rectangle of the same size sends no size notification on every
// system, so the first restore would stay full-screen. It also keeps the
// maximised start when the process's first show command was the
// starter's (a shortcut or a console) rather than the program's own.
void Window_State::Keep_Maximized_Start() {
  if (!started_maximized_) return;
  const Window_Bounds& b = normal_bounds_;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  GetWindowPlacement(host_.Main_Handle(), &placement);
  placement.showCmd = SW_SHOWMAXIMIZED;
  placement.rcNormalPosition = RECT{b.Left, b.Top, b.Left + b.Width, b.Top + b.Height};
  // The notifications this causes belong to the start as well.
  size_count_ = 0;
  SetWindowPlacement(host_.Main_Handle(), &placement);
  size_count_ = 4;
}

// The window that should have the keyboard: the main window, or the modal
// dialog it waits for.
void Window_State::Activate_Main_Window() {
  HWND target = GetLastActivePopup(host_.Main_Handle());
  if (!target || !IsWindowVisible(target) || !IsWindowEnabled(target)) target = host_.Main_Handle();
  SetForegroundWindow(target);
}

// The Find and Replace dialogs the main window owns go and come back with
// it, and come back above it.
void Window_State::Show_Owned_Dialogs(bool show) {
  ShowOwnedPopups(host_.Main_Handle(), show);
  if (show) host_.Keep_Dialogs_In_Front();
}

void Window_State::Application_Restored() {
  // A hidden window keeps its maximised state: it comes back as it went.
  ShowWindow(host_.Main_Handle(), SW_SHOW);
  Activate_Main_Window();
  Show_Owned_Dialogs(true);
  if (!restore_sounded_) host_.Play_Window_Sound(kSoundRestore);
  // Also when the taskbar entry stood in for an icon that could not be added.
  Remove_Tray_Icon();
}

LRESULT Window_State::Application_Sys_Command(HWND hwnd, WPARAM command, LPARAM lp) {
  switch (command & 0xFFF0) {
    case SC_MINIMIZE:
      Minimize_Application();
      return 0;
    // Never on the screen, it has no size of its own to take.
    case SC_MAXIMIZE:
    case SC_SIZE:
    case SC_MOVE:
      return 0;
    // Closing from the taskbar is the program's close, with its questions.
    case SC_CLOSE:
      PostMessageW(host_.Main_Handle(), WM_CLOSE, 0, 0);
      return 0;
  }
  return DefWindowProcW(hwnd, WM_SYSCOMMAND, command, lp);
}

LRESULT CALLBACK Window_State::Application_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* created = reinterpret_cast<const CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created->lpCreateParams));
  }
  auto* state = reinterpret_cast<Window_State*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  return state ? state->On_Application_Message(hwnd, msg, wp, lp) : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT Window_State::On_Application_Message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      if (wp == SIZE_MINIMIZED) {
        application_minimized_ = true;
        ShowWindow(host_.Main_Handle(), SW_HIDE);
      } else if (application_minimized_) {
        application_minimized_ = false;
        Application_Restored();
      }
      return 0;
    // Alt+Tab and the taskbar give the activation to this window; the
    // keyboard belongs to the main window. Passed on once the activation
    // has settled.
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE) PostMessageW(hwnd, kPassActivation, 0, 0);
      break;
    case kPassActivation:
      if (GetActiveWindow() == hwnd && !IsIconic(hwnd) && IsWindowVisible(host_.Main_Handle()))
        Activate_Main_Window();
      return 0;
    case WM_SYSCOMMAND:
      return Application_Sys_Command(hwnd, wp, lp);
    case WM_CLOSE:
      PostMessageW(host_.Main_Handle(), WM_CLOSE, 0, 0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

Screen_Area Virtual_Screen() {
  return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
          GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

HWND Window_State::Create_Application_Window(HINSTANCE instance, HICON icon) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = Application_Proc;
  wc.hInstance = instance;
  wc.hIcon = icon;
  wc.hIconSm = icon;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kApplicationClass;
  if (!Register_Window_Class(wc)) return nullptr;
  // Of no size and just beyond the top-left corner of all screens, so that
  // no system draws anything of it; the title starts empty.
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN) - 1, top = GetSystemMetrics(SM_YVIRTUALSCREEN) - 1;
  application_ =
      CreateWindowExW(0, kApplicationClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, left,
                      top, 0, 0, nullptr, nullptr, instance, this);
  return application_;
}

void Window_State::Minimize_Application() {
  Show_Owned_Dialogs(false);
  ShowWindow(host_.Main_Handle(), SW_HIDE);
  ShowWindow(application_, SW_MINIMIZE);
}

void Window_State::Start(const Window_Bounds& normal, bool maximized) {
  window_shown_ = false;
  normal_bounds_ = normal;
  started_maximized_ = maximized;
}

void Window_State::Size(WPARAM type) {
  const bool from_minimized = was_minimized_ && type != SIZE_MINIMIZED;
  was_minimized_ = type == SIZE_MINIMIZED;
  ++size_count_;
  // Showing a hidden window maximised sends no show notification, so the
  // window's own visibility counts as well.
  if (!window_shown_ && !IsWindowVisible(host_.Main_Handle())) return;
  // Creating the window and showing it the first time are not the user's
  // doing. How many notifications creation sends depends on the system
  // (here none reach a shown window), so the first one of a shown window
  // closes that phase rather than a fixed number of them: a fixed four
  // would swallow the user's first resizes.
  if (size_count_ <= 4) {
    size_count_ = 4;
    Keep_Maximized_Start();
    return;
  }
  if (!IsZoomed(host_.Main_Handle()) && !IsIconic(host_.Main_Handle()))
    normal_bounds_ = Current_Bounds(host_.Main_Handle());
  size_count_ = 4;
  if (from_minimized || type == SIZE_RESTORED) host_.Play_Window_Sound(kSoundRestore);
  if (type == SIZE_RESTORED && started_maximized_) {
    started_maximized_ = false;
    Restore_Stored_Bounds();
  }
  if (type == SIZE_MAXIMIZED && !from_minimized) host_.Play_Window_Sound(kSoundMaximize);
}

LRESULT Window_State::Sys_Command(HWND hwnd, WPARAM command, LPARAM lp) {
  if ((command & 0xFFF0) != SC_MINIMIZE) return DefWindowProcW(hwnd, WM_SYSCOMMAND, command, lp);
  // The main window is not minimised itself: the program is.
  Minimize_Application();
  host_.Play_Window_Sound(kSoundMinimize);
  // A hidden application window has no taskbar entry; the icon stands in.
  if (host_.Minimize_To_Tray()) Tray_Or_Taskbar();
  return 0;
}

UINT Taskbar_Created_Message() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

void Window_State::Taskbar_Created() {
  if (!minimized_to_tray_) return;
  // The message also comes with the old taskbar still there, and adding an
  // icon that is already there fails.
  Delete_Tray_Icon();
  Tray_Or_Taskbar();
}

void Window_State::Tray_Callback(LPARAM mouse_message) {
  switch (mouse_message) {
    case WM_LBUTTONUP:
      host_.Play_Window_Sound(kSoundRestore);
      // The restore itself would sound again: one restore, one sound.
      restore_sounded_ = true;
      ShowWindow(application_, SW_RESTORE);
      if (!IsWindowVisible(host_.Main_Handle())) ShowWindow(host_.Main_Handle(), SW_SHOW);
      restore_sounded_ = false;
      SetForegroundWindow(host_.Main_Handle());
      Show_Owned_Dialogs(true);
      Remove_Tray_Icon();
      break;
    case WM_RBUTTONUP:
      Show_Tray_Menu();
      break;
  }
}

void Window_State::Remove_Tray_Icon() {
  Delete_Tray_Icon();
  minimized_to_tray_ = false;
}

void Fill_Tray_Record(NOTIFYICONDATAW& record, HWND owner, HICON icon, const std::string& tip) {
  record.cbSize = NOTIFYICONDATAW_V1_SIZE;
  record.hWnd = owner;
  record.uID = kTrayIconId;
  record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
  record.uCallbackMessage = kTrayCallback;
  record.hIcon = icon;
  // The record's later forms have a longer tip, but the first form, the size
  // given to the system, ends after 64 units.
  static_assert(sizeof(record.szTip) / sizeof(record.szTip[0]) >= kTrayTipField, "tip field");
  const std::wstring text = Wide(Tray_Tip(tip, kTrayTipField));
  // lstrcpyn stops one short of the count and always ends with a zero.
  lstrcpynW(record.szTip, text.c_str(), int(kTrayTipField));
}
