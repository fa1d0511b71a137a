#pragma once
// The whole document as the edit area holds it, UTF-16, for the commands
// whose result may hold characters that Windows-1251 lacks.
#include <string>

class Unicode_Edit {
 public:
  virtual ~Unicode_Edit() = default;
  // NUL bytes of the text come as the control's NUL sign (kNulSymbol).
  virtual std::wstring Text() = 0;
  // Puts text in place of the whole document as one undoable edit.
  virtual void Replace_Text(const std::wstring& text) = 0;
};
