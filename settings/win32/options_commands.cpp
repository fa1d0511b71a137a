// The settings dialog.
#include "app/win32/commands.h"

void Register_Settings_Commands(Command_Table& table) {
  (void)table;
}
