#pragma once
// The document commands' message boxes, owned by the main window.
#include <windows.h>

#include "platform/document_prompts.h"

class Win32_Document_Prompts : public Document_Prompts {
 public:
  explicit Win32_Document_Prompts(HWND owner) : owner_(owner) {}
  Answer Ask_Save_Changes(const std::string& text) override;
  Answer Ask_Overwrite(const std::string& text) override;
  void Notice(const std::string& text) override;
  void Information(const std::string& text) override;
  void File_Error(const std::string& text) override;

 private:
  HWND owner_;
};
