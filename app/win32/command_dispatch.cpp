// The program's own commands (exit, the recent-files list, the Misc menu's
// opening) and the dispatch of shortcuts to the command table.
#include "app/win32/main_window.h"
#include "common/command_ids.h"

namespace {

void Enable(HMENU menu, int id, bool on) {
  EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

// "&Разное": the selection commands need a selection.
void Misc_Menu_Opening(Rich_Edit& edit, HMENU menu) {
  const Selection sel = edit.Get_Selection();
  for (int id : {IDM_Toggle_Case, IDM_Retype_To_Russian, IDM_Retype_To_Latin, IDM_Transliterate})
    Enable(menu, id, sel.End > sel.Start);
}

bool Holds(HMENU menu, int id) { return GetMenuState(menu, id, MF_BYCOMMAND) != UINT(-1); }

}  // namespace

void Main_Window::Register_Shell_Commands() {
  const auto exit = [this] { PostMessageW(Handle, WM_CLOSE, 0, 0); };
  Commands.Add(IDM_Exit, exit);
  Commands.Add(IDM_Tray_Exit, exit);
  Commands.Add(IDM_Clear_History, [this] {
    History_List.Clear();
    History_Changed();
  });
  Rich_Edit* edit = &Edit;
  Commands.Add_Opening(IDM_Toggle_Case, [edit](HMENU menu) { Misc_Menu_Opening(*edit, menu); });
}

bool Main_Window::Translate_Shortcut(const MSG& msg) {
  if (msg.wParam == VK_MENU) {
    // A fresh press of Alt starts over; only a held one repeats.
    const bool repeat = (msg.lParam & (LPARAM(1) << 30)) != 0;
    if (msg.message == WM_SYSKEYDOWN && !repeat) Drop_Alt_Release = false;
    if (msg.message == WM_SYSKEYUP || msg.message == WM_KEYUP) {
      const bool drop = Drop_Alt_Release;
      Drop_Alt_Release = false;
      return drop;
    }
    return false;
  }
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  if (msg.hwnd != Handle && !IsChild(Handle, msg.hwnd)) return false;
  if (!IsWindowEnabled(Handle)) return false;
  // Let the system find the shortcut in a throwaway table lookup, not fire it.
  ACCEL entries[128];
  const int count = CopyAcceleratorTableW(Accelerators, entries, 128);
  const bool ctrl = GetKeyState(VK_CONTROL) < 0, alt = GetKeyState(VK_MENU) < 0,
             shift = GetKeyState(VK_SHIFT) < 0;
  for (int i = 0; i < count; ++i) {
    const ACCEL& a = entries[i];
    if (a.key != msg.wParam || !(a.fVirt & FVIRTKEY)) continue;
    if (((a.fVirt & FCONTROL) != 0) != ctrl || ((a.fVirt & FALT) != 0) != alt ||
        ((a.fVirt & FSHIFT) != 0) != shift)
      continue;
    if (alt) Drop_Alt_Release = true;
    HMENU root = Holds(Menu, a.cmd) ? Menu : GetSubMenu(Context_Menu, 0);
    Commands.Open_Menu_Of(a.cmd, root);
    const UINT state = GetMenuState(root, a.cmd, MF_BYCOMMAND);
    if (state != UINT(-1) && !(state & (MF_GRAYED | MF_DISABLED))) Commands.Run(a.cmd);
    return true;
  }
  return false;
}
