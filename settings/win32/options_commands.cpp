// The settings dialog's menu item.
#include "common/command_ids.h"
#include "settings/win32/settings_dialog.h"

void Settings_Dialog::Register(Command_Table& table) {
  table.Add(IDM_Options, [this] { Show(); });
}
