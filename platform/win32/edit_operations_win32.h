#pragma once
// The RichEdit control's own editing operations.
#include <windows.h>

#include <string>

#include "platform/edit_operations.h"

class Rich_Edit_Operations : public Edit_Operations {
 public:
  explicit Rich_Edit_Operations(HWND control) : hwnd_(control) {}
  bool Can_Undo() override;
  bool Can_Redo() override;
  void Undo() override;
  void Redo() override;
  void Copy() override;
  void Cut() override;
  void Paste() override;
  void Delete_Selection() override;
  void Select_All() override;

 private:
  HWND hwnd_;
};

// The clipboard's Unicode text, empty when it holds none.
std::wstring Clipboard_Unicode_Text(HWND owner);
