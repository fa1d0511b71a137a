#pragma once
// The whole document in and out of a RichEdit control, NUL bytes included,
// and rich text through the control's RTF stream.
#include <windows.h>

#include "platform/document_text.h"

class Rich_Edit_Document : public Document_Text {
 public:
  explicit Rich_Edit_Document(HWND control) : hwnd_(control) {}
  void Put(const std::string& text) override;
  std::string Take() override;
  bool Put_Rich(const std::string& rtf) override;
  std::string Take_Rich() override;

 private:
  HWND hwnd_;
};
