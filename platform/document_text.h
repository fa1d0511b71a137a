#pragma once
// The whole document in and out of the edit area. Unlike Edit_Area::Text and
// Set_Text, every byte travels, NUL included, so a file loaded through here
// comes back whole when it is saved.
#include <string>

class Document_Text {
 public:
  virtual ~Document_Text() = default;
  // Working text (Windows-1251, CR line breaks); the caret ends at offset 0.
  virtual void Put(const std::string& text) = 0;
  virtual std::string Take() = 0;
  // Rich text as the edit area reads and writes it; false when it refuses the data.
  virtual bool Put_Rich(const std::string& rtf) = 0;
  virtual std::string Take_Rich() = 0;
};
