// Font, colour, word wrap and the date and time.
#include "app/win32/commands.h"

void Register_View_Commands(Command_Table& table) {
  (void)table;
}
