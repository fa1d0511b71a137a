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
  const Window_Bounds b{file.Read_Integer("Size", "Top_Store", 80), file.Read_Integer("Size", "Left_Store", 80),
                        file.Read_Integer("Size", "Height_Store", 300),
                        file.Read_Integer("Size", "Width_Store", 400)};
  MoveWindow(Forma.Handle, b.Left, b.Top, b.Width, b.Height, TRUE);
}

// Coming back from the taskbar (or the tray) is the program's restore: it
// sounds like a restore whatever size the window comes back at.
bool Was_Minimized = false;

void Play(int event) { Play_Event_Sound(Nastroyki, event, Forma.Sound); }

HICON Application_Icon() {
  return reinterpret_cast<HICON>(GetClassLongPtrW(Forma.Handle, GCLP_HICONSM));
}

void Add_Tray_Icon() {
  NOTIFYICONDATAW record{};
  Fill_Tray_Record(record, Forma.Handle, Application_Icon(), Document_Name());
  Shell_NotifyIconW(NIM_ADD, &record);
}

void Show_Tray_Menu() {
  POINT at{};
  GetCursorPos(&at);
  SetForegroundWindow(Forma.Handle);
  TrackPopupMenu(GetSubMenu(Forma.PopupMenu1, 0), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, Forma.Handle,
                 nullptr);
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

}  // namespace

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
  const LRESULT result = DefWindowProcW(hwnd, WM_SYSCOMMAND, command, lp);
  if ((command & 0xFFF0) != SC_MINIMIZE) return result;
  Play(kSoundMinimize);
  if (Nastroyki.Sys_Tray) {
    // A hidden window has no taskbar entry; the icon stands in for it.
    ShowWindow(hwnd, SW_HIDE);
    Add_Tray_Icon();
  }
  return result;
}

void Tray_Callback(LPARAM mouse_message) {
  switch (mouse_message) {
    case WM_LBUTTONUP:
      Play(kSoundRestore);
      ShowWindow(Forma.Handle, SW_RESTORE);
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
