#pragma once
// The edit area's own editing operations, which the Edit menu wraps.

class Edit_Operations {
 public:
  virtual ~Edit_Operations() = default;
  virtual bool Can_Undo() = 0;
  virtual bool Can_Redo() = 0;
  virtual void Undo() = 0;
  virtual void Redo() = 0;
  virtual void Copy() = 0;
  virtual void Cut() = 0;
  // Pastes the clipboard's text over the selection.
  virtual void Paste() = 0;
  virtual void Delete_Selection() = 0;
  virtual void Select_All() = 0;
};
