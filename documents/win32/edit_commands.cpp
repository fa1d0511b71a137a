// The Edit menu, the context menu and their opening events.
#include "app/win32/commands.h"

void Register_Edit_Commands(Command_Table& table) {
  (void)table;
}
