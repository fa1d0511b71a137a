// The settings dialog.
#include "app/command_ids.h"
#include "app/win32/commands.h"
#include "settings/win32/nastroyki_dialog.h"

void Register_Settings_Commands(Command_Table& table) { table.Add(IDM_Options, OptionsClick); }
