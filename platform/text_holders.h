#pragma once
// The controls that hold a whole document's text. Replacing a whole long
// text inside one control can be far slower than building a new control
// around the new text, so a whole-text replacement takes a new holder and
// keeps the old one aside, hidden, as the step that undo goes back to.
#include <cstddef>
#include <cstdint>
#include <string>

class Text_Holders {
 public:
  using Id = std::uintptr_t;
  virtual ~Text_Holders() = default;
  // The holder that is shown and edited.
  virtual Id Current() = 0;
  // A new hidden holder with the text (as the control holds it), no undo
  // history, modified.
  virtual Id Make_With(const std::wstring& text) = 0;
  // Makes the holder the shown and current one and hides the one that was.
  virtual void Show(Id id) = 0;
  virtual void Drop(Id id) = 0;
  virtual bool Can_Undo(Id id) = 0;
  virtual bool Can_Redo(Id id) = 0;
  virtual void Undo(Id id) = 0;
  virtual void Redo(Id id) = 0;
  virtual int32_t Undo_Limit() = 0;
  // The length of the holder's text, in characters.
  virtual std::size_t Length(Id id) = 0;
};
