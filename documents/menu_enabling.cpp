#include "documents/menu_enabling.h"

#include "app/command_ids.h"

std::vector<Item_State> Pravka_Item_States(const Edit_Facts& f) {
  // The Edit menu sets the context menu's paste item as well.
  return {{IDM_Paste1, f.Clipboard_Text}, {IDM_Paste2, f.Clipboard_Text}, {IDM_Cut1, f.Selection},
          {IDM_Copy1, f.Selection},       {IDM_Delete1, f.Selection},     {IDM_Undo1, f.Can_Undo},
          {IDM_Redo1, f.Can_Redo}};
}

std::vector<Item_State> Popup_Item_States(const Edit_Facts& f) {
  return {{IDM_Paste2, f.Clipboard_Text}, {IDM_Cut2, f.Selection}, {IDM_Copy2, f.Selection},
          {IDM_Delete2, f.Selection},     {IDM_Undo2, f.Can_Undo}, {IDM_Redo2, f.Can_Redo}};
}

std::vector<Item_State> Stroki_Item_States(bool selection) {
  return {{IDM_Space_Plus, selection},      {IDM_Space_Del, selection}, {IDM_Del_Space_In_Word, selection},
          {IDM_Space_Del_Right, selection}, {IDM_Del_Enter, selection}, {IDM_Del_Tab, selection}};
}
