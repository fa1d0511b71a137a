#include "search/win32/edit_shortcuts.h"

#include <string>
#include <vector>

#include "common/command_ids.h"

namespace {

constexpr int kReleased[] = {IDM_Paste, IDM_Undo, IDM_Redo, IDM_Copy, IDM_Cut};
static_assert(std::size(kReleased) == 5, "one saved caption each");

bool Is_Released(int command) {
  for (int id : kReleased)
    if (id == command) return true;
  return false;
}

}  // namespace

void Edit_Shortcuts::Release() {
  if (full_table_) return;
  const int count = CopyAcceleratorTableW(accelerators_, nullptr, 0);
  std::vector<ACCEL> entries(size_t(count > 0 ? count : 0));
  CopyAcceleratorTableW(accelerators_, entries.data(), count);
  std::vector<ACCEL> kept;
  for (const ACCEL& a : entries)
    if (!Is_Released(a.cmd)) kept.push_back(a);
  // The shortcut dispatch reads the table it finds in the window's state, so
  // a table without the five keys lets them through to the focused control.
  HACCEL reduced = CreateAcceleratorTableW(kept.data(), int(kept.size()));
  if (!reduced) return;
  full_table_ = accelerators_;
  accelerators_ = reduced;
  for (size_t i = 0; i < std::size(kReleased); ++i) {
    saved_captions_[i] = Caption(kReleased[i]);
    const auto tab = saved_captions_[i].find(L'\t');
    Set_Caption(kReleased[i], saved_captions_[i].substr(0, tab));
  }
}

void Edit_Shortcuts::Restore() {
  if (!full_table_) return;
  DestroyAcceleratorTable(accelerators_);
  accelerators_ = full_table_;
  full_table_ = nullptr;
  for (size_t i = 0; i < std::size(kReleased); ++i) Set_Caption(kReleased[i], saved_captions_[i]);
}

std::wstring Edit_Shortcuts::Caption(int id) {
  wchar_t text[256] = {};
  GetMenuStringW(menu_, UINT(id), text, 256, MF_BYCOMMAND);
  return text;
}

void Edit_Shortcuts::Set_Caption(int id, std::wstring text) {
  MENUITEMINFOW item{};
  item.cbSize = sizeof(item);
  item.fMask = MIIM_STRING;
  item.dwTypeData = text.data();
  SetMenuItemInfoW(menu_, UINT(id), FALSE, &item);
}
