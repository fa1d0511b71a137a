#pragma once
// The message boxes of the document commands.
#include <string>

#include "platform/prompts.h"

class Document_Prompts {
 public:
  virtual ~Document_Prompts() = default;
  // Yes (the default button), No and Cancel; the program's caption, no icon.
  virtual Answer Ask_Save_Changes(const std::string& text) = 0;
  // Yes and No (the default button), with the warning icon: for a step that
  // may lose what is on the disk.
  virtual Answer Ask_Overwrite(const std::string& text) = 0;
  // OK only; the program's caption, no icon.
  virtual void Notice(const std::string& text) = 0;
  // OK only; captioned "Information", with the information icon.
  virtual void Information(const std::string& text) = 0;
  // The report of a file that could not be read or written.
  virtual void File_Error(const std::string& text) = 0;
};
