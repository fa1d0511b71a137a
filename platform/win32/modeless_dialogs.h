#pragma once
// Modeless dialogs that share the message loop with the main window.
#include <windows.h>

#include <algorithm>
#include <vector>

class Modeless_Dialogs {
 public:
  void Add(HWND dialog) { dialogs_.push_back(dialog); }
  void Remove(HWND dialog) {
    dialogs_.erase(std::remove(dialogs_.begin(), dialogs_.end(), dialog), dialogs_.end());
  }
  // True when one of the dialogs took the message.
  bool Take(MSG& msg) const {
    for (HWND dialog : dialogs_)
      if (IsWindow(dialog) && IsDialogMessageW(dialog, &msg)) return true;
    return false;
  }

 private:
  std::vector<HWND> dialogs_;
};
