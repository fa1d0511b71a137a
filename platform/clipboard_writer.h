#pragma once
// Putting plain text on the system clipboard. Text goes in as the document's
// working text: Windows-1251 bytes, every line break a single CR.
#include <string>

class Clipboard_Writer {
 public:
  virtual ~Clipboard_Writer() = default;
  // Replaces everything on the clipboard; false when it could not be opened.
  virtual bool Put_Text(const std::string& text) = 0;
};
