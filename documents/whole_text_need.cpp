#include "documents/whole_text_need.h"

#include "common/command_ids.h"

bool Command_Needs_Whole_Text(int command, bool modified) {
  switch (command) {
    case IDM_New:
    case IDM_Open:
    case IDM_Recent_1:
    case IDM_Recent_2:
    case IDM_Recent_3:
    case IDM_Recent_4:
    case IDM_Recent_5:
    case IDM_Recent_6:
    case IDM_Recent_7:
    case IDM_Recent_8:
    case IDM_Exit:
    case IDM_Tray_Exit:
      return Close_Needs_Whole_Text(modified);
    case IDM_Clear_History:
    case IDM_Options:
    case IDM_Help_Contents:
    case IDM_Tips:
    case IDM_Whats_New:
    case IDM_Shortcomings:
    case IDM_Lines_Help:
    case IDM_About:
      return false;
    default:
      return true;
  }
}

bool Key_Needs_Whole_Text(unsigned virtual_key, bool control_down) {
  switch (virtual_key) {
    case 0x1B:  // Esc
    case 0x21:  // Page Up
    case 0x22:  // Page Down
    case 0x24:  // Home
    case 0x25:  // Left
    case 0x26:  // Up
    case 0x27:  // Right
    case 0x28:  // Down
    case 0x10:  // Shift
    case 0x11:  // Control
    case 0x12:  // Alt
      return false;
    case 0x23:  // End: the end of a line is in, the end of the text may not be
      return control_down;
    default:
      return true;
  }
}

bool Close_Needs_Whole_Text(bool modified) { return modified; }
