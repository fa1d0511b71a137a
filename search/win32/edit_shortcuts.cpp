#include "search/win32/edit_shortcuts.h"

#include <string>
#include <vector>

#include "app/command_ids.h"
#include "app/win32/forma.h"

namespace {

constexpr int kReleased[] = {IDM_Paste1, IDM_Undo1, IDM_Redo1, IDM_Copy1, IDM_Cut1};

// The whole table, kept aside while the reduced one is in use.
HACCEL Full_Table = nullptr;
std::wstring Saved_Captions[std::size(kReleased)];

bool Is_Released(int command) {
  for (int id : kReleased)
    if (id == command) return true;
  return false;
}

std::wstring Caption(int id) {
  wchar_t text[256] = {};
  GetMenuStringW(Forma.Menu, UINT(id), text, 256, MF_BYCOMMAND);
  return text;
}

void Set_Caption(int id, std::wstring text) {
  MENUITEMINFOW item{};
  item.cbSize = sizeof(item);
  item.fMask = MIIM_STRING;
  item.dwTypeData = text.data();
  SetMenuItemInfoW(Forma.Menu, UINT(id), FALSE, &item);
}

}  // namespace

void Release_Edit_Shortcuts() {
  if (Full_Table) return;
  const int count = CopyAcceleratorTableW(Forma.Accelerators, nullptr, 0);
  std::vector<ACCEL> entries(size_t(count > 0 ? count : 0));
  CopyAcceleratorTableW(Forma.Accelerators, entries.data(), count);
  std::vector<ACCEL> kept;
  for (const ACCEL& a : entries)
    if (!Is_Released(a.cmd)) kept.push_back(a);
  // The shortcut dispatch reads the table it finds in the window's state, so
  // a table without the five keys lets them through to the focused control.
  HACCEL reduced = CreateAcceleratorTableW(kept.data(), int(kept.size()));
  if (!reduced) return;
  Full_Table = Forma.Accelerators;
  Forma.Accelerators = reduced;
  for (size_t i = 0; i < std::size(kReleased); ++i) {
    Saved_Captions[i] = Caption(kReleased[i]);
    const auto tab = Saved_Captions[i].find(L'\t');
    Set_Caption(kReleased[i], Saved_Captions[i].substr(0, tab));
  }
}

void Restore_Edit_Shortcuts() {
  if (!Full_Table) return;
  DestroyAcceleratorTable(Forma.Accelerators);
  Forma.Accelerators = Full_Table;
  Full_Table = nullptr;
  for (size_t i = 0; i < std::size(kReleased); ++i) Set_Caption(kReleased[i], Saved_Captions[i]);
}
