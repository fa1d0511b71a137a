// Every subsystem's commands, registered once at creation.
#include "app/command_ids.h"
#include "app/win32/commands.h"
#include "app/win32/forma.h"
#include "about/win32/about_box.h"

namespace {
void May_AboutClick() { May_AboutClick(Forma.Handle); }
}  // namespace

void Register_All_Commands(Command_Table& table) {
  Register_Shell_Commands(table);
  Register_File_Commands(table);
  Register_Edit_Commands(table);
  Register_View_Commands(table);
  Register_Print_Help_Commands(table);
  Register_Text_Commands(table);
  Register_Search_Commands(table);
  Register_Settings_Commands(table);
  table.Add(IDM_May_About, May_AboutClick);
}
