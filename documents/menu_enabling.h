#pragma once
// Which items the Edit menu, the context menu and the Lines menu enable when
// they open (or when a shortcut of one of their items is pressed).
#include <vector>

struct Edit_Facts {
  bool Selection = false;       // the selection is not empty
  bool Clipboard_Text = false;  // the clipboard holds text
  bool Can_Undo = false;
  bool Can_Redo = false;
};

struct Item_State {
  int Id;
  bool Enabled;
};

std::vector<Item_State> Edit_Menu_States(const Edit_Facts& facts);
std::vector<Item_State> Context_Menu_States(const Edit_Facts& facts);
std::vector<Item_State> Lines_Menu_States(bool selection);
