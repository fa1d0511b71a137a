#pragma once
// The document as UTF-16 in the control that holds it now.
#include "platform/unicode_edit.h"
#include "platform/win32/edit_area_win32.h"

class Rich_Edit_Unicode : public Unicode_Edit {
 public:
  explicit Rich_Edit_Unicode(Rich_Edit& edit) : edit_(edit) {}
  std::wstring Text() override { return edit_.Control_Text(); }
  // Replaced as the selection of the whole text, so the control keeps the
  // old text as one undo step of its own.
  void Replace_Text(const std::wstring& text) override;

 private:
  Rich_Edit& edit_;
};
