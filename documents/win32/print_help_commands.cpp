// Printing and the help menu.
#include "app/win32/commands.h"

void Register_Print_Help_Commands(Command_Table& table) {
  (void)table;
}
