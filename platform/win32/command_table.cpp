#include "platform/win32/command_table.h"

namespace {

// The submenu of `root` (searched depth first) whose own items include `id`.
HMENU Direct_Parent(HMENU root, int id) {
  for (int i = 0; i < GetMenuItemCount(root); ++i) {
    if (int(GetMenuItemID(root, i)) == id) return root;
    if (HMENU sub = GetSubMenu(root, i))
      if (HMENU found = Direct_Parent(sub, id)) return found;
  }
  return nullptr;
}

}  // namespace

bool Command_Table::Run(int id) const {
  auto it = handlers_.find(id);
  if (it == handlers_.end()) return false;
  if (before_each_ && !before_each_(id)) return true;
  it->second();
  if (after_each_) after_each_();
  return true;
}

void Command_Table::Open_Menu(HMENU menu) const {
  for (const auto& opening : openings_)
    if (Direct_Parent(menu, opening.member) == menu) opening.handler(menu);
}

void Command_Table::Open_Menu_Of(int id, HMENU root) const {
  if (HMENU menu = Direct_Parent(root, id)) Open_Menu(menu);
}
