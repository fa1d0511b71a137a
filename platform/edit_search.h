#pragma once
// What the search commands need of the edit area beyond Edit_Area: a
// forward find, a replacement that keeps no undo step, a range
// of the text, the keyboard focus and scrolling the selection into view.
// Text is Windows-1251, offsets are the control's character offsets.
#include <cstdint>
#include <string>

#include "common/text_match.h"

class Edit_Search {
 public:
  virtual ~Edit_Search() = default;
  // Offset of the first match of `what` lying wholly within [start, end), or -1.
  virtual int32_t Find(const std::string& what, int32_t start, int32_t end, Find_Options options) = 0;
  // Replaces the selection and leaves the caret behind the inserted text; not undoable.
  virtual void Replace_Selection_Plain(const std::string& text) = 0;
  // The text of [start, end), cut short at the end of the document.
  virtual std::string Text_Range(int32_t start, int32_t end) = 0;
  virtual void Focus() = 0;
  virtual void Scroll_To_Selection() = 0;
};
