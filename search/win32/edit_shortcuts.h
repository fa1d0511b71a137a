#pragma once
// While a search dialog is open, Ctrl+V, Ctrl+Z, Ctrl+Y, Ctrl+C and Ctrl+X
// belong to the text fields and the edit area, not to the Edit menu. Both
// calls may be repeated; only the first of each pair acts.
#include <windows.h>

#include <string>

class Edit_Shortcuts {
 public:
  // `accelerators` is the table the shortcut dispatch reads; `menu` shows
  // the shortcuts beside the items.
  Edit_Shortcuts(HACCEL& accelerators, HMENU menu) : accelerators_(accelerators), menu_(menu) {}
  void Release();
  void Restore();

 private:
  std::wstring Caption(int id);
  void Set_Caption(int id, std::wstring text);

  HACCEL& accelerators_;
  HMENU menu_;
  // The whole table, kept aside while the reduced one is in use.
  HACCEL full_table_ = nullptr;
  std::wstring saved_captions_[5];
};
