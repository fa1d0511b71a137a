#pragma once
// What the document commands (File, Edit, the view items of Settings,
// printing and help) take from the main window. The application fills it in
// and hands it to the registration functions below.
#include <windows.h>

#include <functional>
#include <string>

#include "common/settings_model.h"
#include "documents/document_commands.h"
#include "documents/win32/whole_text_win32.h"
#include "platform/help_viewer.h"
#include "platform/win32/command_table.h"
#include "platform/win32/file_writer_win32.h"
#include "platform/win32/platform_win32.h"
#include "platform/win32/text_look.h"

struct Document_Host {
  HWND Window;
  HMENU Menu;
  HMENU Context_Menu;
  Document_Control& Control;  // its Edit() is the edit area
  Text_Look& Look;
  Document_Window& Calls;
  Win32_Prompts& Prompts;
  Files& Reader;
  Shell& System_Shell;
  Help_Viewer*& Help;  // the main window's, which tests may replace
  Keyboard& Keys;
  Recent_Files& History;
  std::string& Current_Path;
  uint32_t& Saved_Layout;
  bool& Find_Next_Ready;
  const Settings_Model& Settings;
  const std::string& Exe_Path;
  Document& Doc;  // the main window's document
  // Where a save in place keeps the old contents until it is done.
  const Kept_Copy_Place& Keep;
  // Where the save dialog starts next time, for as long as the window lives.
  Save_Dialog_State Save_Dialog;
  // The page of an 8-bit file, asked when the settings say so.
  Page_Recognizer Recognize_Page;
};

void Register_File_Commands(Command_Table& table, Document_Host& host);
void Register_Edit_Commands(Command_Table& table, Document_Host& host);
void Register_View_Commands(Command_Table& table, Document_Host& host);
void Register_Print_Help_Commands(Command_Table& table, Document_Host& host);
// The radio items of "Кодировка файла".
void Register_Encoding_Commands(Command_Table& table, Document_Host& host);

// Runs `command` over the main window's document session.
void With_Document_Session(Document_Host& host, const std::function<void(Document_Session&)>& command);
// Whether the main window may close: the unsaved-changes guard answers.
bool Document_May_Close(Document_Host& host);
// The text font applied to the edit area, as a font object the host keeps.
void Apply_Text_Font(Document_Host& host);
