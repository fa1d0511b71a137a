// The one dispatch from menu and shortcut identifiers to the commands.
#include <algorithm>

#include "app/command_ids.h"
#include "app/win32/commands.h"
#include "app/win32/forma.h"

namespace {

void Close_TextClick() { PostMessageW(Forma.Handle, WM_CLOSE, 0, 0); }

void Erase_HistoryClick() {
  Forma.History_List.Clear();
  Fill_History_Menu();
}

void Enable(HMENU menu, int id, bool on) {
  EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
}

// "&Разное": the selection commands need a selection.
void ParametryClick(HMENU menu) {
  const Selection sel = Forma.RxRichEdit.Get_Selection();
  for (int id : {IDM_Registr, IDM_Kirilica, IDM_Latinica, IDM_Translit})
    Enable(menu, id, sel.End > sel.Start);
}

bool Holds(HMENU menu, int id) { return GetMenuState(menu, id, MF_BYCOMMAND) != UINT(-1); }

// The submenu of `root` (searched depth first) whose own items include `id`.
HMENU Direct_Parent(HMENU root, int id) {
  for (int i = 0; i < GetMenuItemCount(root); ++i) {
    if (int(GetMenuItemID(root, i)) == id) return root;
    if (HMENU sub = GetSubMenu(root, i))
      if (HMENU found = Direct_Parent(sub, id)) return found;
  }
  return nullptr;
}

std::vector<HWND>& Modeless() {
  static std::vector<HWND> dialogs;
  return dialogs;
}

}  // namespace

bool Command_Table::Run(int id) const {
  auto it = handlers_.find(id);
  if (it == handlers_.end()) return false;
  it->second();
  return true;
}

void Command_Table::Open_Menu(HMENU menu) const {
  for (const auto& opening : openings_)
    if (Direct_Parent(menu, opening.member) == menu) opening.handler(menu);
}

void Command_Table::Open_Menu_Of(int id, HMENU root) const {
  if (HMENU menu = Direct_Parent(root, id)) Open_Menu(menu);
}

Command_Table& Commands() {
  static Command_Table table;
  return table;
}

void Register_Shell_Commands(Command_Table& table) {
  table.Add(IDM_Close_Text, Close_TextClick);
  table.Add(IDM_Close_SysTray, Close_TextClick);
  table.Add(IDM_Erase_History, Erase_HistoryClick);
  table.Add_Opening(IDM_Registr, ParametryClick);
}

void Forma_Command(int id) { Commands().Run(id); }

void Forma_Menu_Opening(HMENU menu) { Commands().Open_Menu(menu); }

bool Translate_Shortcut(const MSG& msg) {
  if (msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) return false;
  if (msg.hwnd != Forma.Handle && !IsChild(Forma.Handle, msg.hwnd)) return false;
  if (!IsWindowEnabled(Forma.Handle)) return false;
  // Let the system find the shortcut in a throwaway table lookup, not fire it.
  ACCEL entries[128];
  const int count = CopyAcceleratorTableW(Forma.Accelerators, entries, 128);
  const bool ctrl = GetKeyState(VK_CONTROL) < 0, alt = GetKeyState(VK_MENU) < 0,
             shift = GetKeyState(VK_SHIFT) < 0;
  for (int i = 0; i < count; ++i) {
    const ACCEL& a = entries[i];
    if (a.key != msg.wParam || !(a.fVirt & FVIRTKEY)) continue;
    if (((a.fVirt & FCONTROL) != 0) != ctrl || ((a.fVirt & FALT) != 0) != alt ||
        ((a.fVirt & FSHIFT) != 0) != shift)
      continue;
    HMENU root = Holds(Forma.Menu, a.cmd) ? Forma.Menu : GetSubMenu(Forma.PopupMenu, 0);
    Commands().Open_Menu_Of(a.cmd, root);
    const UINT state = GetMenuState(root, a.cmd, MF_BYCOMMAND);
    if (state != UINT(-1) && !(state & (MF_GRAYED | MF_DISABLED))) Commands().Run(a.cmd);
    return true;
  }
  return false;
}

void Add_Modeless_Dialog(HWND dialog) { Modeless().push_back(dialog); }

void Remove_Modeless_Dialog(HWND dialog) {
  auto& list = Modeless();
  list.erase(std::remove(list.begin(), list.end(), dialog), list.end());
}

bool Modeless_Dialog_Message(MSG& msg) {
  for (HWND dialog : Modeless())
    if (IsWindow(dialog) && IsDialogMessageW(dialog, &msg)) return true;
  return false;
}
