// New, open, save, save as and the recent-files items.
#include "documents/win32/file_commands.h"

#include "app/win32/commands.h"

bool FormCloseQuery() { return true; }

void Register_File_Commands(Command_Table& table) {
  (void)table;
}
