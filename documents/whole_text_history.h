#pragma once
// Undo and redo across whole-text replacements.
//
// Each holder keeps its own undo history; the holders themselves form a line
// of whole-text steps: the ones parked behind the current holder are what
// undo goes back to once the current holder has nothing left to undo, the
// ones parked ahead are what redo goes forward to once the current holder has
// nothing of its own left to redo.
//
// A holder's redo list may still hold steps from before it was parked; those
// belong to a history that the replacement ended, so only the redo steps made
// by undoing in the holder since it became current count as its own.
#include <cstddef>
#include <string>
#include <vector>

#include "platform/text_holders.h"

class Whole_Text_History {
 public:
  explicit Whole_Text_History(Text_Holders& holders) : holders_(holders) {}

  // Puts the text in place of the whole document. An undoable replacement
  // parks the current holder as one undo step; otherwise the whole history
  // goes, as after any unrecorded edit.
  void Replace(const std::wstring& text, bool undoable);

  bool Can_Undo();
  bool Can_Redo();
  void Undo();
  void Redo();

  // A change in the current holder that was not an undo or redo of ours:
  // what was undone can no longer be redone.
  void Changed();
  // Drops every parked holder (a new document, an emptied undo history).
  void Forget();

  std::size_t Parked_Behind() const { return behind_.size(); }
  std::size_t Parked_Ahead() const { return ahead_.size(); }

 private:
  struct Parked {
    Text_Holders::Id id;
    int own_redo;  // redo steps of its own when it was left
  };
  void Drop_All(std::vector<Parked>& parked);
  bool Own_Redo_Left();

  Text_Holders& holders_;
  std::vector<Parked> behind_;  // oldest first
  std::vector<Parked> ahead_;   // the next redo step last
  int own_redo_ = 0;
  bool stepping_ = false;  // an undo or redo of ours is changing the text
};
