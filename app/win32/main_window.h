#pragma once
// The main window: the edit area under the menu, the status bar below it,
// and the application window that carries the taskbar entry. It owns every
// part the subsystems work on and hands each subsystem what it needs when it
// registers its commands.
#include <windows.h>

#include <richedit.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "common/settings_model.h"
#include "app/lifecycle.h"
#include "app/win32/window_state.h"
#include "documents/document.h"
#include "documents/history.h"
#include "documents/win32/document_host.h"
#include "documents/win32/recovery_win32.h"
#include "documents/win32/whole_text_win32.h"
#include "platform/document_window.h"
#include "platform/status_text.h"
#include "platform/win32/busy_window.h"
#include "platform/win32/command_table.h"
#include "platform/win32/edit_area_win32.h"
#include "platform/win32/help_viewer_win32.h"
#include "platform/win32/modeless_dialogs.h"
#include "platform/win32/platform_win32.h"
#include "platform/win32/status_bar.h"
#include "platform/win32/text_intake_win32.h"
#include "platform/win32/text_look.h"
#include "search/win32/search_commands.h"
#include "settings/win32/settings_dialog.h"
#include "text/win32/text_host.h"

class About_Box;
class Text_Commands;

class Main_Window : public Document_Window, private Window_State_Host {
 public:
  Main_Window();
  ~Main_Window() override;
  Main_Window(const Main_Window&) = delete;
  Main_Window& operator=(const Main_Window&) = delete;

  // Creates the application window, the main window with its menus, edit
  // area and status bar, reads the settings that shape them and registers
  // every command. The settings dialog and the about box are created beside
  // it once it has shown.
  bool Create(HINSTANCE instance, const std::vector<std::string>& args);
  // Runs before the message loop shows the window.
  void Show(int show_command);

  // For the message loop: true when a modeless dialog or a shortcut took
  // the message.
  bool Take_Message(MSG& msg);
  // A shortcut first runs its menu's opening event and then fires its item
  // only when that item is enabled; the key never reaches the edit area.
  // True when the message was a shortcut.
  bool Translate_Shortcut(const MSG& msg);
  void Command(int id) { Commands.Run(id); }
  void Menu_Opening(HMENU menu) { Commands.Open_Menu(menu); }

  // Document_Window
  void Show_Document() override;
  void Reset_Editor() override;
  void Refresh_Status() override;
  void Clear_Conversion_Marks() override;
  // The menu shows the list again, and the settings file keeps it.
  void History_Changed() override;

  // The texts the caption and the taskbar entry show.
  std::string Caption();
  std::string Application_Title();
  // The status bar's mark of unsaved changes follows the edit area's flag.
  void Show_Modified();
  void Apply_Text_Font();
  void Set_Status_Bar_Visible(bool visible);
  void Fill_History_Menu();
  // Lays the edit area and the status bar out in the client area.
  void Layout_Children();
  // Whether the window may close: the unsaved-changes guard answers.
  bool May_Close();
  // Writes every setting to the settings file, as the close does.
  void Write_Settings();

 private:
  // The tests look at the window's parts and stand in for its shell, sounds and help.
  friend class Main_Window_Probe;

  static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT On_Message(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void Apply_Creation_Settings();
  void On_First_Activation();
  void Create_Hidden_Windows();
  void On_Dpi_Changed(int dpi, const RECT& suggested);
  void On_Close();
  Close_State Gather_Close_State();
  bool On_Edit_Key(const MSGFILTER& filter);
  void On_Link(const ENLINK& link);
  LRESULT On_Notify(NMHDR* header);
  void On_Edit_Change();
  void Replace_Edit_Control();
  void Show_Intake(std::size_t taken, std::size_t total);
  void Intake_Done();
  void Intake_Cut_Short(Intake_Cut why);
  void Put_Mode_Back();
  // The encoding and line-end panels, and the mark of unsaved changes.
  void Show_Document_Form();
  // Every subsystem's commands, registered once at creation (register_commands.cpp).
  void Register_Commands();
  // The program's own commands (command_dispatch.cpp).
  void Register_Shell_Commands();

  // Window_State_Host
  HWND Main_Handle() override { return Handle; }
  int Window_Dpi() override { return Status.Dpi(); }
  std::string Settings_Path() override;
  void Play_Window_Sound(int event) override;
  bool Minimize_To_Tray() override { return Settings.Minimize_To_Tray; }
  std::string Tray_Tip() override { return Doc.Name; }
  HMENU Tray_Popup() override { return Tray_Menu; }
  void Keep_Dialogs_In_Front() override;

  // The main window as the settings dialog works on it (main_window.cpp).
  class Settings_Dialog_Link;

  HWND Handle = nullptr;
  HMENU Menu = nullptr;
  HMENU Context_Menu = nullptr;  // the edit area's context menu
  HMENU Tray_Menu = nullptr;     // the tray icon's menu
  HACCEL Accelerators = nullptr;
  Rich_Edit Edit;
  Status_Bar Status;

  Win32_Prompts Prompts{nullptr};
  Win32_Sound Sound;
  // Where the window events send their sounds; tests listen in here.
  Sound_Player* Event_Sounds = &Sound;
  Win32_Shell Shell{nullptr};
  // What opens a link clicked in the text; tests listen in here.
  ::Shell* Link_Opener = &Shell;
  Win32_Files Files;
  Win32_Help_Viewer Help{nullptr};
  // Where the help commands send their topics; tests look in here.
  Help_Viewer* Help_Display = &Help;
  Win32_Keyboard Keyboard{nullptr};

  // The program's own path: the settings file and the help file lie beside
  // it. Tests place the program elsewhere to keep their settings apart.
  std::string Exe_Path;
  std::vector<std::string> Args;  // command-line arguments after the program name

  std::string Dialog_Path;  // the file the Open and Save dialogs start at
  // The document's name, title, encoding and line ends, which the caption,
  // the taskbar entry and the status bar show.
  Document Doc;
  // The recovery copies of unsaved text and the old contents of saves in place.
  Recovery Recovery_Files{Doc, Edit};
  Text_Look Look;
  uint32_t Saved_Layout = 0;
  Recent_Files History_List;
  Search_State Search;
  bool Activated = false;
  // The first activation has run: the live settings are read and the
  // document named on the command line is in.
  bool Started = false;
  // The system never saw the key of the last Alt chord, so it takes the
  // release of Alt for a lone Alt and would open the menu bar; that release
  // is dropped.
  bool Drop_Alt_Release = false;
  bool Status_Visible = true;
  // The live settings that the settings dialog's controls show.
  Settings_Model Settings;
  // The application window that carries the taskbar entry and owns
  // Handle, minimising, restoring and the tray.
  Window_State State{*this};
  // The program ends when its main window goes; a test's window does not
  // end the test program.
  bool Quit_On_Destroy = true;

  Command_Table Commands;
  Modeless_Dialogs Modeless;
  // Set while a long command runs: input waits, Esc and closing stop it.
  Busy_Window Busy;
  // A long text goes into the edit area a screen first (platform/win32/text_intake_win32.h).
  Text_Intake Intake;
  Document_Control Control;
  // The subsystems, each made from its part of the window (register_commands.cpp).
  std::unique_ptr<Document_Commands> Documents;
  std::unique_ptr<Text_Commands> Text;
  std::unique_ptr<Search_Commands> Searches;
  std::unique_ptr<Settings_Dialog_Host> Settings_Link;
  std::unique_ptr<Settings_Dialog> Settings_Box;
  std::unique_ptr<About_Box> About;

  // A write of the settings file was refused this session and reported.
  bool Settings_Refused = false;
  // The mode panel's text while it shows the share of a long text taken in.
  std::optional<std::string> Mode_Before_Intake;
  // How much of the text coming in the line panels last counted.
  std::size_t Counted_Intake = 0;
};
