#pragma once
// A forward search over the document read piece by piece, so that a search
// costs what it passes over, not the length of the text. Case folding and
// word letters follow Windows-1251, the document's own encoding.
#include <cstdint>
#include <functional>
#include <string>

// The text of [start, end), cut short at the end of the document.
using Range_Reader = std::function<std::string(int32_t start, int32_t end)>;

struct Find_Options {
  bool Match_Case = false;
  bool Whole_Word = false;
};

// A letter of either case, or a digit.
bool Is_Word_Letter(char c);

// Whether `what` matches `text` at `at`; for a whole word the neighbours are
// looked at within `text`, so `text` must reach one character past the match
// unless the match ends the document.
bool Matches_At(const std::string& text, size_t at, const std::string& what, Find_Options options);

// Offset of the first match of `what` lying wholly within [start, end), or
// -1. Without match case, capitals and small letters of every pair in the
// code page match each other. A whole word has no word letter next to it.
int32_t Find_Forward(const Range_Reader& read, const std::string& what, int32_t start, int32_t end,
                     Find_Options options);
