#pragma once
// Putting a text in place of the whole document. The document's control is
// then replaced by a new one, which takes a long text far faster than the old
// one gives its text up; the old control may stay behind as the undo step.
#include <string>

class Whole_Text_Edits {
 public:
  virtual ~Whole_Text_Edits() = default;
  // The whole text as the control holds it, so that nothing Windows-1251
  // lacks is lost; the rest of a long text still coming in is taken in first.
  virtual std::wstring Whole_Text() = 0;
  // Whether the selection covers the whole, non-empty text.
  virtual bool Whole_Text_Selected() = 0;
  // The text as the control holds it, so that nothing Windows-1251 lacks is
  // lost. The caret stands behind the new text and the document is modified.
  virtual void Replace_Whole_Text(const std::wstring& text, bool undoable) = 0;
  // An unrecorded edit ends the undo history.
  virtual void Forget_History() = 0;
};
