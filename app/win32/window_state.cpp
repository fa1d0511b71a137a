#include "app/win32/window_state.h"

#include "app/win32/main_window.h"

#include "app/event_sounds.h"
#include "common/program_paths.h"
#include "common/settings_file.h"
#include "app/window_placement.h"
#include "app/window_state_tip.h"
#include "platform/win32/dpi_win32.h"
#include "platform/win32/profile_win32.h"

namespace {

Window_Bounds Current_Bounds(Main_Window& w) {
  RECT r{};
  GetWindowRect(w.Handle, &r);
  return {r.top, r.left, r.bottom - r.top, r.right - r.left};
}

// The first restore of a window started maximised goes back to the stored
// normal rectangle rather than the one creation gave it.
void Restore_Stored_Bounds(Main_Window& w) {
  Win32_Profile profile(Settings_File_Path(w.Exe_Path));
  Settings_File file(profile);
  const int dpi = w.Status.Dpi();
  Window_Bounds b{file.Read_Integer("Size", "Top_Store", Scaled(80, dpi)),
                  file.Read_Integer("Size", "Left_Store", Scaled(80, dpi)),
                  file.Read_Integer("Size", "Height_Store", Scaled(300, dpi)),
                  file.Read_Integer("Size", "Width_Store", Scaled(400, dpi))};
  b = Fit_On_Screen(b, Virtual_Screen());
  MoveWindow(w.Handle, b.Left, b.Top, b.Width, b.Height, TRUE);
}

void Play(Main_Window& w, int event) { Play_Event_Sound(w.Settings, event, *w.Event_Sounds); }

// The program's icon at the size of a small icon at the taskbar's scale,
// drawn from the icon's own larger images rather than blown up. The shell
// keeps a copy; the caller destroys this one.
HICON Tray_Icon(Main_Window& w) {
  using Load_Icon_Metric = HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, HICON*);
  static const auto load_icon_metric = reinterpret_cast<Load_Icon_Metric>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"comctl32.dll"), "LoadIconMetric")));
  const HINSTANCE instance = HINSTANCE(GetWindowLongPtrW(w.Handle, GWLP_HINSTANCE));
  const int small_icon = 0;  // LIM_SMALL
  HICON icon = nullptr;
  if (load_icon_metric && load_icon_metric(instance, L"MAINICON", small_icon, &icon) == S_OK) return icon;
  const int size = Metric_For_Dpi(SM_CXSMICON, System_Dpi());
  return HICON(LoadImageW(instance, L"MAINICON", IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

bool Add_Tray_Icon(Main_Window& w) {
  NOTIFYICONDATAW record{};
  HICON icon = Tray_Icon(w);
  Fill_Tray_Record(record, w.Handle, icon, w.Doc.Name);
  const bool added = Shell_NotifyIconW(NIM_ADD, &record) != FALSE;
  if (icon) DestroyIcon(icon);
  return added;
}

void Delete_Tray_Icon(Main_Window& w) {
  NOTIFYICONDATAW record{};
  record.cbSize = NOTIFYICONDATAW_V1_SIZE;
  record.hWnd = w.Handle;
  record.uID = kTrayIconId;
  Shell_NotifyIconW(NIM_DELETE, &record);
}

// Without a tray icon a minimised program must keep its taskbar entry, or
// nothing would be left to bring it back with.
void Tray_Or_Taskbar(Main_Window& w) {
  w.State_Flags.Minimized_To_Tray = true;
  if (Add_Tray_Icon(w))
    ShowWindow(w.Application, SW_HIDE);
  else
    ShowWindow(w.Application, SW_SHOWMINNOACTIVE);
}

void Show_Tray_Menu(Main_Window& w) {
  POINT at{};
  GetCursorPos(&at);
  SetForegroundWindow(w.Handle);
  TrackPopupMenu(GetSubMenu(w.Tray_Menu, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, w.Handle,
                 nullptr);
  // Without a message of its own the menu of a background window may not close.
  PostMessageW(w.Handle, WM_NULL, 0, 0);
}

// A window started maximised gets the stored normal rectangle as the one a
// restore returns to. Creation gave it the maximised bounds, and a restore
// to a rectangle of the same size sends no size notification on every
// system, so the first restore would stay full-screen. It also keeps the
// maximised start when the process's first show command was the
// starter's (a shortcut or a console) rather than the program's own.
void Keep_Maximized_Start(Main_Window& w) {
  if (!w.Started_Maximized) return;
  const Window_Bounds& b = w.Normal_Bounds;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  GetWindowPlacement(w.Handle, &placement);
  placement.showCmd = SW_SHOWMAXIMIZED;
  placement.rcNormalPosition = RECT{b.Left, b.Top, b.Left + b.Width, b.Top + b.Height};
  // The notifications this causes belong to the start as well.
  w.Size_Count = 0;
  SetWindowPlacement(w.Handle, &placement);
  w.Size_Count = 4;
}

constexpr wchar_t kApplicationClass[] = L"Lirovant_Application";
constexpr UINT kPassActivation = WM_APP + 1;

// The window that should have the keyboard: the main window, or the modal
// dialog it waits for.
void Activate_Main_Window(Main_Window& w) {
  HWND target = GetLastActivePopup(w.Handle);
  if (!target || !IsWindowVisible(target) || !IsWindowEnabled(target)) target = w.Handle;
  SetForegroundWindow(target);
}

// The Find and Replace dialogs the main window owns go and come back with
// it, and come back above it.
void Show_Owned_Dialogs(Main_Window& w, bool show) {
  ShowOwnedPopups(w.Handle, show);
  if (show && w.Searches) w.Searches->Keep_Dialogs_In_Front();
}

void Application_Restored(Main_Window& w) {
  // A hidden window keeps its maximised state: it comes back as it went.
  ShowWindow(w.Handle, SW_SHOW);
  Activate_Main_Window(w);
  Show_Owned_Dialogs(w, true);
  if (!w.State_Flags.Restore_Sounded) Play(w, kSoundRestore);
  // Also when the taskbar entry stood in for an icon that could not be added.
  Remove_Tray_Icon(w);
}

LRESULT Application_Sys_Command(Main_Window& w, HWND hwnd, WPARAM command, LPARAM lp) {
  switch (command & 0xFFF0) {
    case SC_MINIMIZE:
      Minimize_Application(w);
      return 0;
    // Never on the screen, it has no size of its own to take.
    case SC_MAXIMIZE:
    case SC_SIZE:
    case SC_MOVE:
      return 0;
    // Closing from the taskbar is the program's close, with its questions.
    case SC_CLOSE:
      PostMessageW(w.Handle, WM_CLOSE, 0, 0);
      return 0;
  }
  return DefWindowProcW(hwnd, WM_SYSCOMMAND, command, lp);
}

LRESULT CALLBACK Application_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    auto* created = reinterpret_cast<const CREATESTRUCTW*>(lp);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(created->lpCreateParams));
  }
  auto* window = reinterpret_cast<Main_Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!window) return DefWindowProcW(hwnd, msg, wp, lp);
  Main_Window& w = *window;
  switch (msg) {
    case WM_SIZE:
      if (wp == SIZE_MINIMIZED) {
        w.State_Flags.Application_Minimized = true;
        ShowWindow(w.Handle, SW_HIDE);
      } else if (w.State_Flags.Application_Minimized) {
        w.State_Flags.Application_Minimized = false;
        Application_Restored(w);
      }
      return 0;
    // Alt+Tab and the taskbar give the activation to this window; the
    // keyboard belongs to the main window. Passed on once the activation
    // has settled.
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE) PostMessageW(hwnd, kPassActivation, 0, 0);
      break;
    case kPassActivation:
      if (GetActiveWindow() == hwnd && !IsIconic(hwnd) && IsWindowVisible(w.Handle)) Activate_Main_Window(w);
      return 0;
    case WM_SYSCOMMAND:
      return Application_Sys_Command(w, hwnd, wp, lp);
    case WM_CLOSE:
      PostMessageW(w.Handle, WM_CLOSE, 0, 0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

Screen_Area Virtual_Screen() {
  return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
          GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

HWND Create_Application_Window(Main_Window& w, HINSTANCE instance, HICON icon) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = Application_Proc;
  wc.hInstance = instance;
  wc.hIcon = icon;
  wc.hIconSm = icon;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kApplicationClass;
  WNDCLASSEXW known{};
  known.cbSize = sizeof(known);
  if (!GetClassInfoExW(instance, kApplicationClass, &known) && !RegisterClassExW(&wc)) return nullptr;
  // Of no size and just beyond the top-left corner of all screens, so that
  // no system draws anything of it; the title starts empty.
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN) - 1, top = GetSystemMetrics(SM_YVIRTUALSCREEN) - 1;
  return CreateWindowExW(0, kApplicationClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, left,
                         top, 0, 0, nullptr, nullptr, instance, &w);
}

void Minimize_Application(Main_Window& w) {
  Show_Owned_Dialogs(w, false);
  ShowWindow(w.Handle, SW_HIDE);
  ShowWindow(w.Application, SW_MINIMIZE);
}

void Window_State_Size(Main_Window& w, WPARAM type) {
  const bool from_minimized = w.State_Flags.Was_Minimized && type != SIZE_MINIMIZED;
  w.State_Flags.Was_Minimized = type == SIZE_MINIMIZED;
  ++w.Size_Count;
  // Showing a hidden window maximised sends no show notification, so the
  // window's own visibility counts as well.
  if (!w.Window_Shown && !IsWindowVisible(w.Handle)) return;
  // Creating the window and showing it the first time are not the user's
  // doing. How many notifications creation sends depends on the system
  // (here none reach a shown window), so the first one of a shown window
  // closes that phase rather than a fixed number of them: a fixed four
  // would swallow the user's first resizes.
  if (w.Size_Count <= 4) {
    w.Size_Count = 4;
    Keep_Maximized_Start(w);
    return;
  }
  if (!IsZoomed(w.Handle) && !IsIconic(w.Handle)) w.Normal_Bounds = Current_Bounds(w);
  w.Size_Count = 4;
  if (from_minimized || type == SIZE_RESTORED) Play(w, kSoundRestore);
  if (type == SIZE_RESTORED && w.Started_Maximized) {
    w.Started_Maximized = false;
    Restore_Stored_Bounds(w);
  }
  if (type == SIZE_MAXIMIZED && !from_minimized) Play(w, kSoundMaximize);
}

LRESULT Window_State_Sys_Command(Main_Window& w, HWND hwnd, WPARAM command, LPARAM lp) {
  if ((command & 0xFFF0) != SC_MINIMIZE) return DefWindowProcW(hwnd, WM_SYSCOMMAND, command, lp);
  // The main window is not minimised itself: the program is.
  Minimize_Application(w);
  Play(w, kSoundMinimize);
  // A hidden application window has no taskbar entry; the icon stands in.
  if (w.Settings.Minimize_To_Tray) Tray_Or_Taskbar(w);
  return 0;
}

UINT Taskbar_Created_Message() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

void Taskbar_Created(Main_Window& w) {
  if (!w.State_Flags.Minimized_To_Tray) return;
  // The message also comes with the old taskbar still there, and adding an
  // icon that is already there fails.
  Delete_Tray_Icon(w);
  Tray_Or_Taskbar(w);
}

void Tray_Callback(Main_Window& w, LPARAM mouse_message) {
  switch (mouse_message) {
    case WM_LBUTTONUP:
      Play(w, kSoundRestore);
      // The restore itself would sound again: one restore, one sound.
      w.State_Flags.Restore_Sounded = true;
      ShowWindow(w.Application, SW_RESTORE);
      if (!IsWindowVisible(w.Handle)) ShowWindow(w.Handle, SW_SHOW);
      w.State_Flags.Restore_Sounded = false;
      SetForegroundWindow(w.Handle);
      Show_Owned_Dialogs(w, true);
      Remove_Tray_Icon(w);
      break;
    case WM_RBUTTONUP:
      Show_Tray_Menu(w);
      break;
  }
}

void Remove_Tray_Icon(Main_Window& w) {
  Delete_Tray_Icon(w);
  w.State_Flags.Minimized_To_Tray = false;
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
