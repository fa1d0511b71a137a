#pragma once
// The command table: every subsystem registers its menu handlers and the
// opening events of its menus here; the main window dispatches through it.
#include <windows.h>

#include <functional>
#include <unordered_map>
#include <vector>

using Command_Handler = std::function<void()>;
// Runs before a command; false keeps the command from running.
using Command_Gate = std::function<bool(int id)>;
// An opening event enables and disables the items of the menu it is given.
using Menu_Opening_Handler = std::function<void(HMENU menu)>;

class Command_Table {
 public:
  void Add(int id, Command_Handler handler) { handlers_[id] = std::move(handler); }
  // `member` is any item of the menu the event belongs to.
  void Add_Opening(int member, Menu_Opening_Handler handler) {
    openings_.push_back({member, std::move(handler)});
  }
  // Runs before every command: what the commands need in place first.
  void Before_Each(Command_Gate gate) { before_each_ = std::move(gate); }
  // Runs after every command that ran.
  void After_Each(Command_Handler handler) { after_each_ = std::move(handler); }
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
  Command_Gate before_each_;
  Command_Handler after_each_;
};
