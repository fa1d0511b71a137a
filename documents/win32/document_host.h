#pragma once
// What the document commands (File, Edit, the view items of Settings,
// printing and help) take from the main window. The application fills it in
// and hands it to the Document_Commands it keeps.
#include <windows.h>

#include <array>
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
  std::string& Dialog_Path;  // the file the Open and Save dialogs start at
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
  // The colours the user mixed in the colour dialog stay for the next one,
  // as in every program.
  std::array<COLORREF, 16> Custom_Colours{};
};

class Document_Commands {
 public:
  explicit Document_Commands(Document_Host host) : host_(std::move(host)) {}
  Document_Commands(const Document_Commands&) = delete;
  Document_Commands& operator=(const Document_Commands&) = delete;

  void Register(Command_Table& table);
  // Runs `command` over the main window's document session.
  void With_Session(const std::function<void(Document_Session&)>& command);
  // Whether the main window may close: the unsaved-changes guard answers.
  bool May_Close();
  // The text font applied to the edit area, as a font object the host keeps.
  void Apply_Text_Font();

 private:
  // By menu: file_commands.cpp, edit_commands.cpp, view_commands.cpp,
  // print_help_commands.cpp and encoding_commands.cpp (the radio items of
  // "Кодировка файла").
  void Register_File_Commands(Command_Table& table);
  void Register_Edit_Commands(Command_Table& table);
  void Register_View_Commands(Command_Table& table);
  void Register_Print_Help_Commands(Command_Table& table);
  void Register_Encoding_Commands(Command_Table& table);

  Document_Host host_;
};

// Runs `command` over the document session of the main window `host` stands for.
void With_Document_Session(Document_Host& host, const std::function<void(Document_Session&)>& command);
