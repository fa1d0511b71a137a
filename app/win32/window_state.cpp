#include "app/win32/window_state.h"

#include "app/event_sounds.h"
#include "app/program_paths.h"
#include "app/settings_file.h"
#include "app/window_state_tip.h"
#include "app/win32/forma.h"
#include "platform/win32/profile_win32.h"

namespace {

Window_Bounds Current_Bounds() {
  RECT r{};
  GetWindowRect(Forma.Handle, &r);
  return {r.top, r.left, r.bottom - r.top, r.right - r.left};
}

// The first restore of a window started maximised goes back to the stored
// normal rectangle rather than the one creation gave it.
void Restore_Stored_Bounds() {
  Win32_Profile profile(Settings_File_Path(Forma.Exe_Path));
  Settings_File file(profile);
  const Window_Bounds b{
      file.Read_Integer("Size", "Top_Store", 80), file.Read_Integer("Size", "Left_Store", 80),
      file.Read_Integer("Size", "Height_Store", 300), file.Read_Integer("Size", "Width_Store", 400)};
  MoveWindow(Forma.Handle, b.Left, b.Top, b.Width, b.Height, TRUE);
}

// A main window minimised on its own rather than through the application
// window sounds like a restore when it comes back, whatever its size.
bool Was_Minimized = false;

void Play(int event) { Play_Event_Sound(Nastroyki, event, *Forma.Event_Sounds); }

HICON Application_Icon() { return reinterpret_cast<HICON>(GetClassLongPtrW(Forma.Handle, GCLP_HICONSM)); }

void Add_Tray_Icon() {
  NOTIFYICONDATAW record{};
  Fill_Tray_Record(record, Forma.Handle, Application_Icon(), Document_Name());
  Shell_NotifyIconW(NIM_ADD, &record);
}

void Show_Tray_Menu() {
  POINT at{};
  GetCursorPos(&at);
  SetForegroundWindow(Forma.Handle);
  TrackPopupMenu(GetSubMenu(Forma.PopupMenu1, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0,
                 Forma.Handle, nullptr);
  // Without a message of its own the menu of a background window may not close.
  PostMessageW(Forma.Handle, WM_NULL, 0, 0);
}

// A window started maximised gets the stored normal rectangle as the one a
// restore returns to. Creation gave it the maximised bounds, and a restore
// to a rectangle of the same size sends no size notification on every
// system, so the first restore would stay full-screen. It also keeps the
// maximised start when the process's first show command was the
// starter's (a shortcut or a console) rather than the program's own.
void Keep_Maximized_Start() {
  if (!Forma.Started_Maximized) return;
  const Window_Bounds& b = Forma.Normal_Bounds;
  WINDOWPLACEMENT placement{};
  placement.length = sizeof(placement);
  GetWindowPlacement(Forma.Handle, &placement);
  placement.showCmd = SW_SHOWMAXIMIZED;
  placement.rcNormalPosition = RECT{b.Left, b.Top, b.Left + b.Width, b.Top + b.Height};
  // The notifications this causes belong to the start as well.
  Forma.Size_Count = 0;
  SetWindowPlacement(Forma.Handle, &placement);
  Forma.Size_Count = 4;
}

constexpr wchar_t kApplicationClass[] = L"Lirovant_Application";
constexpr UINT kPassActivation = WM_APP + 1;

bool Application_Minimized = false;
// Set while a restore whose sound has already been played is under way.
bool Restore_Sounded = false;

// The window that should have the keyboard: the main window, or the modal
// dialog it waits for.
void Activate_Main_Window() {
  HWND target = GetLastActivePopup(Forma.Handle);
  if (!target || !IsWindowVisible(target) || !IsWindowEnabled(target)) target = Forma.Handle;
  SetForegroundWindow(target);
}

void Application_Restored() {
  // A hidden window keeps its maximised state: it comes back as it went.
  ShowWindow(Forma.Handle, SW_SHOW);
  Activate_Main_Window();
  if (!Restore_Sounded) Play(kSoundRestore);
}

LRESULT Application_Sys_Command(HWND hwnd, WPARAM command, LPARAM lp) {
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
      PostMessageW(Forma.Handle, WM_CLOSE, 0, 0);
      return 0;
  }
  return DefWindowProcW(hwnd, WM_SYSCOMMAND, command, lp);
}

LRESULT CALLBACK Application_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_SIZE:
      if (wp == SIZE_MINIMIZED) {
        Application_Minimized = true;
        ShowWindow(Forma.Handle, SW_HIDE);
      } else if (Application_Minimized) {
        Application_Minimized = false;
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
      if (GetActiveWindow() == hwnd && !IsIconic(hwnd) && IsWindowVisible(Forma.Handle))
        Activate_Main_Window();
      return 0;
    case WM_SYSCOMMAND:
      return Application_Sys_Command(hwnd, wp, lp);
    case WM_CLOSE:
      PostMessageW(Forma.Handle, WM_CLOSE, 0, 0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

HWND Create_Application_Window(HINSTANCE instance, HICON icon) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = Application_Proc;
  wc.hInstance = instance;
  wc.hIcon = icon;
  wc.hIconSm = icon;
  wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  wc.lpszClassName = kApplicationClass;
  if (!RegisterClassExW(&wc)) return nullptr;
  // Of no size and just beyond the top-left corner of all screens, so that
  // no system draws anything of it; the title starts empty.
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN) - 1, top = GetSystemMetrics(SM_YVIRTUALSCREEN) - 1;
  return CreateWindowExW(0, kApplicationClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, left,
                         top, 0, 0, nullptr, nullptr, instance, nullptr);
}

void Minimize_Application() {
  ShowWindow(Forma.Handle, SW_HIDE);
  ShowWindow(Forma.Application, SW_MINIMIZE);
}

void Window_State_Size(WPARAM type) {
  const bool from_minimized = Was_Minimized && type != SIZE_MINIMIZED;
  Was_Minimized = type == SIZE_MINIMIZED;
  ++Forma.Size_Count;
  // Showing a hidden window maximised sends no show notification, so the
  // window's own visibility counts as well.
  if (!Forma.Window_Shown && !IsWindowVisible(Forma.Handle)) return;
  // Creating the window and showing it the first time are not the user's
  // doing. How many notifications creation sends depends on the system
  // (here none reach a shown window), so the first one of a shown window
  // closes that phase rather than a fixed number of them: a fixed four
  // would swallow the user's first resizes.
  if (Forma.Size_Count <= 4) {
    Forma.Size_Count = 4;
    Keep_Maximized_Start();
    return;
  }
  if (!IsZoomed(Forma.Handle) && !IsIconic(Forma.Handle)) Forma.Normal_Bounds = Current_Bounds();
  Forma.Size_Count = 4;
  if (from_minimized || type == SIZE_RESTORED) Play(kSoundRestore);
  if (type == SIZE_RESTORED && Forma.Started_Maximized) {
    Forma.Started_Maximized = false;
    Restore_Stored_Bounds();
  }
  if (type == SIZE_MAXIMIZED && !from_minimized) Play(kSoundMaximize);
}

LRESULT Window_State_Sys_Command(HWND hwnd, WPARAM command, LPARAM lp) {
  if ((command & 0xFFF0) != SC_MINIMIZE) return DefWindowProcW(hwnd, WM_SYSCOMMAND, command, lp);
  // The main window is not minimised itself: the program is.
  Minimize_Application();
  Play(kSoundMinimize);
  if (Nastroyki.Sys_Tray) {
    // A hidden application window has no taskbar entry; the icon stands in.
    ShowWindow(Forma.Application, SW_HIDE);
    Add_Tray_Icon();
  }
  return 0;
}

void Tray_Callback(LPARAM mouse_message) {
  switch (mouse_message) {
    case WM_LBUTTONUP:
      Play(kSoundRestore);
      // The restore itself would sound again: one restore, one sound.
      Restore_Sounded = true;
      ShowWindow(Forma.Application, SW_RESTORE);
      if (!IsWindowVisible(Forma.Handle)) ShowWindow(Forma.Handle, SW_SHOW);
      Restore_Sounded = false;
      SetForegroundWindow(Forma.Handle);
      Remove_Tray_Icon();
      break;
    case WM_RBUTTONUP:
      Show_Tray_Menu();
      break;
  }
}

void Remove_Tray_Icon() {
  NOTIFYICONDATAW record{};
  record.cbSize = NOTIFYICONDATAW_V1_SIZE;
  record.hWnd = Forma.Handle;
  record.uID = kTrayIconId;
  Shell_NotifyIconW(NIM_DELETE, &record);
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
