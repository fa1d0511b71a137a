#include "documents/whole_text_history.h"
#include <algorithm>

namespace {
// Each parked holder keeps a whole document alive: memory, not the undo
// limit alone, bounds how many of them are worth keeping. The newest one is
// kept whatever its size, so that a replacement can always be undone once.
constexpr std::size_t kMostParked = 8;
constexpr std::size_t kMostParkedCharacters = std::size_t(32) << 20;
}  // namespace

void Whole_Text_History::Drop_All(std::vector<Parked>& parked) {
  for (const Parked& p : parked) holders_.Drop(p.id);
  parked.clear();
}

void Whole_Text_History::Replace(const std::wstring& text, bool undoable) {
  const Text_Holders::Id old = holders_.Current();
  const Text_Holders::Id fresh = holders_.Make_With(text);
  holders_.Show(fresh);
  Drop_All(ahead_);
  own_redo_ = 0;
  const int32_t limit = holders_.Undo_Limit();
  if (!undoable || limit <= 0) {
    holders_.Drop(old);
    Drop_All(behind_);
    return;
  }
  behind_.push_back({old, 0});
  const std::size_t keep = std::min<std::size_t>(std::size_t(limit), kMostParked);
  std::size_t characters = 0;
  for (const Parked& p : behind_) characters += holders_.Length(p.id);
  while (behind_.size() > keep || (behind_.size() > 1 && characters > kMostParkedCharacters)) {
    characters -= holders_.Length(behind_.front().id);
    holders_.Drop(behind_.front().id);
    behind_.erase(behind_.begin());
  }
}

bool Whole_Text_History::Can_Undo() { return holders_.Can_Undo(holders_.Current()) || !behind_.empty(); }

bool Whole_Text_History::Own_Redo_Left() { return own_redo_ > 0 && holders_.Can_Redo(holders_.Current()); }

bool Whole_Text_History::Can_Redo() {
  if (Own_Redo_Left() || !ahead_.empty()) return true;
  // Nothing was ever parked ahead, so whatever the holder can redo is its own.
  return holders_.Can_Redo(holders_.Current());
}

void Whole_Text_History::Undo() {
  const Text_Holders::Id current = holders_.Current();
  stepping_ = true;
  if (holders_.Can_Undo(current)) {
    holders_.Undo(current);
    ++own_redo_;
  } else if (!behind_.empty()) {
    const Parked back = behind_.back();
    behind_.pop_back();
    ahead_.push_back({current, own_redo_});
    holders_.Show(back.id);
    // What the holder could redo when it was parked was ended by the replacement.
    own_redo_ = 0;
  }
  stepping_ = false;
}

void Whole_Text_History::Redo() {
  const Text_Holders::Id current = holders_.Current();
  stepping_ = true;
  if (Own_Redo_Left() || (ahead_.empty() && holders_.Can_Redo(current))) {
    holders_.Redo(current);
    if (own_redo_ > 0) --own_redo_;
  } else if (!ahead_.empty()) {
    const Parked next = ahead_.back();
    ahead_.pop_back();
    behind_.push_back({current, 0});
    holders_.Show(next.id);
    own_redo_ = next.own_redo;
  }
  stepping_ = false;
}

void Whole_Text_History::Changed() {
  if (stepping_) return;
  own_redo_ = 0;
  Drop_All(ahead_);
}

void Whole_Text_History::Forget() {
  Drop_All(behind_);
  Drop_All(ahead_);
  own_redo_ = 0;
}
