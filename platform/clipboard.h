#pragma once
// The system clipboard as the paste command needs it.

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  // Text in the 8-bit text format, or anything the system can give in it.
  virtual bool Holds_Text() = 0;
  // Puts the clipboard's own text back on it alone: every other format goes.
  virtual bool Keep_Only_Text() = 0;
};
