#include "app/win32/window_state.h"

#include "app/event_sounds.h"
#include "app/program_paths.h"
#include "app/settings_file.h"
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

}  // namespace

void Window_State_Size(WPARAM type) {
  // The notifications of creating and first showing the window do not count.
  if (++Forma.Size_Count, !Forma.Window_Shown || Forma.Size_Count <= 4) return;
  if (!IsZoomed(Forma.Handle) && !IsIconic(Forma.Handle)) Forma.Normal_Bounds = Current_Bounds();
  Forma.Size_Count = 4;
  if (type == SIZE_RESTORED) Play_Event_Sound(Nastroyki, kSoundRestore, Forma.Sound);
  if (type == SIZE_RESTORED && Forma.Started_Maximized) {
    Forma.Started_Maximized = false;
    Restore_Stored_Bounds();
  }
  if (type == SIZE_MAXIMIZED) Play_Event_Sound(Nastroyki, kSoundMaximize, Forma.Sound);
}

LRESULT Window_State_Sys_Command(HWND hwnd, WPARAM command, LPARAM lp) {
  const LRESULT result = DefWindowProcW(hwnd, WM_SYSCOMMAND, command, lp);
  if ((command & 0xFFF0) == SC_MINIMIZE) Play_Event_Sound(Nastroyki, kSoundMinimize, Forma.Sound);
  return result;
}

void Tray_Callback(LPARAM) {}

void Remove_Tray_Icon() {}
