#include "common/text_match.h"

#include <algorithm>

#include "common/win1251_case.h"

namespace {

constexpr int32_t kFirstPiece = 1024;
constexpr int32_t kLargestPiece = 1 << 16;

unsigned char Fold(char c) { return Lower_Case_Table[static_cast<unsigned char>(c)]; }

bool Same_At(const std::string& text, size_t at, const std::string& what, bool match_case) {
  if (match_case) return text.compare(at, what.size(), what) == 0;
  for (size_t i = 0; i < what.size(); ++i)
    if (Fold(text[at + i]) != Fold(what[i])) return false;
  return true;
}

}  // namespace

bool Is_Word_Letter(char c) {
  const auto b = static_cast<unsigned char>(c);
  return (b >= '0' && b <= '9') || Lower_Case_Table[b] != Upper_Case_Table[b];
}

bool Matches_At(const std::string& text, size_t at, const std::string& what, Find_Options options) {
  if (at + what.size() > text.size() || !Same_At(text, at, what, options.Match_Case)) return false;
  if (!options.Whole_Word) return true;
  if (at > 0 && Is_Word_Letter(text[at - 1])) return false;
  return at + what.size() >= text.size() || !Is_Word_Letter(text[at + what.size()]);
}

int32_t Find_Forward(const Range_Reader& read, const std::string& what, int32_t start, int32_t end,
                     Find_Options options) {
  const auto length = int32_t(what.size());
  if (length == 0 || start < 0) return -1;
  int32_t piece = kFirstPiece;
  for (int32_t from = start; from + length <= end;) {
    const int32_t last = std::min(end - length, from + piece - 1);  // last candidate of this piece
    // One character more on either side, for the whole-word test.
    const int32_t base = from > 0 ? from - 1 : 0;
    const std::string text = read(base, last + length + 1);
    for (int32_t at = from; at <= last; ++at) {
      const auto i = size_t(at - base);
      if (i + size_t(length) > text.size()) return -1;  // the document is shorter than `end`
      // The piece starts one character early except at the very start, so
      // a neighbour before the match is in `text` whenever the document has one.
      if (Matches_At(text, i, what, options)) return at;
    }
    from = last + 1;
    piece = std::min(piece * 2, kLargestPiece);
  }
  return -1;
}
