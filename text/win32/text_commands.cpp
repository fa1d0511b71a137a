// Code pages, re-typing, transliteration, case and the line commands.
#include "app/win32/commands.h"

void Register_Text_Commands(Command_Table& table) {
  (void)table;
}
