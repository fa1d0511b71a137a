// Find, find next, replace and go to line.
#include "app/win32/commands.h"

void Register_Search_Commands(Command_Table& table) {
  (void)table;
}
