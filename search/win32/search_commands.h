#pragma once
// Find, find next, replace and go to line on the main window.
#include <windows.h>

#include <string>

#include "platform/keyboard.h"
#include "platform/status_text.h"
#include "platform/whole_text.h"
#include "platform/win32/busy_window.h"
#include "platform/win32/command_table.h"
#include "platform/win32/edit_area_win32.h"
#include "platform/win32/modeless_dialogs.h"
#include "platform/win32/status_bar.h"
#include "search/win32/edit_shortcuts.h"
#include "search/win32/search_dialogs.h"

// What the search commands take from the main window. The application fills
// it in and hands it to the Search_Commands it keeps.
struct Search_Host {
  HWND Window;
  HMENU Menu;
  HACCEL& Accelerators;  // the table the shortcut dispatch reads
  Rich_Edit& Edit;
  Keyboard& Keys;
  Status_Bar& Status;
  Search_State& State;
  uint32_t& Saved_Layout;
  Modeless_Dialogs& Dialogs;
  const std::string& Exe_Path;
  Whole_Text_Edits& Whole;  // the document's text as a whole
  Busy_Window& Busy;        // the main window while replace all runs
};

class Search_Commands {
 public:
  explicit Search_Commands(Search_Host host) : host_(host), shortcuts_(host.Accelerators, host.Menu) {}
  ~Search_Commands() { KillTimer(host_.Window, UINT_PTR(this)); }
  Search_Commands(const Search_Commands&) = delete;
  Search_Commands& operator=(const Search_Commands&) = delete;

  void Register(Command_Table& table);

  // For the top of the main window's procedure: takes the reports of the
  // Find and Replace dialogs, and Esc typed in the edit area while one of
  // them shows (which closes that dialog and so never closes the program).
  // True when the message was taken; the procedure then returns 0.
  bool Handle_Message(UINT msg, WPARAM wp, LPARAM lp);

  // Puts a shown dialog back above the main window once the messages
  // pending now have run.
  void Keep_Dialogs_In_Front();
  // Whether the Find or the Replace dialog is open and shows: one hidden
  // with the main window leaves Esc to the edit area.
  bool Dialog_Visible();
  // Close the dialog as its own close button does; nothing when it is closed.
  void Close_Find_Dialog() { dialogs_.Close(Search_Dialog::Find); }
  void Close_Replace_Dialog() { dialogs_.Close(Search_Dialog::Replace); }
  HWND Dialog_Window(Search_Dialog which) { return dialogs_.Window(which); }

 private:
  static void CALLBACK Check_Order(HWND, UINT, UINT_PTR id, DWORD);
  void Enable_Item(int id, bool enabled);
  void Dialog_Shown(Search_Dialog which);
  void Dialog_Closed(Search_Dialog which);
  void Show_Find();
  void Show_Replace();
  void Find_Next();
  void Go_To_Line();
  void Run_Report(Search_Dialog which, DWORD flags);
  void On_Report(Search_Dialog which, DWORD flags);
  bool Esc_Typed_In_Edit_Area(LPARAM lp);

  Search_Host host_;
  Search_Dialogs dialogs_;
  Edit_Shortcuts shortcuts_;
  // A replace-all run lets messages through while it works and while its
  // question stands; the dialog's buttons must not start a second run inside it.
  bool busy_ = false;
};
