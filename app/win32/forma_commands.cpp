// The one dispatch from menu and shortcut identifiers to the commands.
#include <unordered_map>

#include "app/command_ids.h"
#include "app/win32/forma.h"

namespace {

void Close_TextClick() { PostMessageW(Forma.Handle, WM_CLOSE, 0, 0); }

void Erase_HistoryClick() {
  Forma.History_List.Clear();
  Fill_History_Menu();
}

using Handler = void (*)();

const std::unordered_map<int, Handler>& Handlers() {
  static const std::unordered_map<int, Handler> table = {
      {IDM_Close_Text, Close_TextClick},
      {IDM_Close_SysTray, Close_TextClick},
      {IDM_Erase_History, Erase_HistoryClick},
  };
  return table;
}

bool Has_Selection() {
  const Selection sel = Forma.RxRichEdit.Get_Selection();
  return sel.End > sel.Start;
}

void Enable(HMENU menu, int id, bool on) { EnableMenuItem(menu, id, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED)); }

// "&Разное": the selection commands need a selection.
void ParametryClick(HMENU menu) {
  const bool selected = Has_Selection();
  for (int id : {IDM_Registr, IDM_Kirilica, IDM_Latinica, IDM_Translit}) Enable(menu, id, selected);
}

}  // namespace

void Forma_Command(int id) {
  const auto& table = Handlers();
  if (auto it = table.find(id); it != table.end()) it->second();
}

void Forma_Menu_Opening(HMENU menu) {
  if (GetMenuState(menu, IDM_Registr, MF_BYCOMMAND) != UINT(-1) &&
      GetMenuState(menu, IDM_WordWrap1, MF_BYCOMMAND) != UINT(-1))
    ParametryClick(menu);
}
