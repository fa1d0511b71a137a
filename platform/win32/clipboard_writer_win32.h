#pragma once
// Plain text onto the desktop's clipboard, as Unicode and as 8-bit
// Windows-1251 text, both with the CR LF line breaks other programs expect.
#include <windows.h>

#include "platform/clipboard_writer.h"

class Win32_Clipboard_Writer : public Clipboard_Writer {
 public:
  explicit Win32_Clipboard_Writer(HWND owner = nullptr) : owner_(owner) {}
  void Set_Owner(HWND owner) { owner_ = owner; }
  bool Put_Text(const std::string& text) override;

 private:
  HWND owner_;
};
