#pragma once
// The system clipboard for the guarded paste.
#include <windows.h>

#include "platform/clipboard.h"

class Win32_Clipboard : public Clipboard {
 public:
  explicit Win32_Clipboard(HWND owner) : owner_(owner) {}
  bool Holds_Text() override;
  bool Keep_Only_Text() override;

 private:
  HWND owner_;
};
