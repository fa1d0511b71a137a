#pragma once
// The command table: every subsystem registers its menu handlers and the
// opening events of its menus here; the main window dispatches through it.
#include <windows.h>

#include <unordered_map>
#include <vector>

using Command_Handler = void (*)();
// An opening event enables and disables the items of the menu it is given.
using Menu_Opening_Handler = void (*)(HMENU menu);

class Command_Table {
 public:
  void Add(int id, Command_Handler handler) { handlers_[id] = handler; }
  // `member` is any item of the menu the event belongs to.
  void Add_Opening(int member, Menu_Opening_Handler handler) { openings_.push_back({member, handler}); }
  bool Run(int id) const;
  // Runs the opening event of the menu that holds `id` (or the given menu).
  void Open_Menu_Of(int id, HMENU root) const;
  void Open_Menu(HMENU menu) const;

 private:
  struct Opening {
    int member;
    Menu_Opening_Handler handler;
  };
  std::unordered_map<int, Command_Handler> handlers_;
  std::vector<Opening> openings_;
};

Command_Table& Commands();

// Registration of each subsystem's commands; called once at creation.
void Register_Shell_Commands(Command_Table& table);
void Register_File_Commands(Command_Table& table);
void Register_Edit_Commands(Command_Table& table);
void Register_View_Commands(Command_Table& table);
void Register_Print_Help_Commands(Command_Table& table);
void Register_Text_Commands(Command_Table& table);
void Register_Search_Commands(Command_Table& table);
void Register_Settings_Commands(Command_Table& table);
void Register_All_Commands(Command_Table& table);

// A shortcut first runs its menu's opening event and then fires its item only
// when that item is enabled; the key never reaches the edit area. True when
// the message was a shortcut.
bool Translate_Shortcut(const MSG& msg);

// Modeless dialogs that share the message loop with the main window.
void Add_Modeless_Dialog(HWND dialog);
void Remove_Modeless_Dialog(HWND dialog);
bool Modeless_Dialog_Message(MSG& msg);
