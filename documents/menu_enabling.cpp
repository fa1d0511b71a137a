#include "documents/menu_enabling.h"

#include "common/command_ids.h"

std::vector<Item_State> Edit_Menu_States(const Edit_Facts& f) {
  // The Edit menu sets the context menu's paste item as well.
  return {{IDM_Paste, f.Clipboard_Text}, {IDM_Context_Paste, f.Clipboard_Text},
          {IDM_Cut, f.Selection},        {IDM_Copy, f.Selection},
          {IDM_Delete, f.Selection},     {IDM_Undo, f.Can_Undo},
          {IDM_Redo, f.Can_Redo}};
}

std::vector<Item_State> Context_Menu_States(const Edit_Facts& f) {
  return {{IDM_Context_Paste, f.Clipboard_Text}, {IDM_Context_Cut, f.Selection},
          {IDM_Context_Copy, f.Selection},       {IDM_Context_Delete, f.Selection},
          {IDM_Context_Undo, f.Can_Undo},        {IDM_Context_Redo, f.Can_Redo}};
}

std::vector<Item_State> Lines_Menu_States(bool selection) {
  return {{IDM_Add_Spaces, selection},         {IDM_Remove_Leading_Space, selection},
          {IDM_Squeeze_Spaces, selection},     {IDM_Remove_Trailing_Spaces, selection},
          {IDM_Remove_Line_Breaks, selection}, {IDM_Tabs_To_Spaces, selection}};
}
