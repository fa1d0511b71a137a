#include "platform/intake_pieces.h"

#include <algorithm>

#include "common/win1251_unicode.h"

namespace {

// The last position in [from, to) just behind `mark`, or `to` when none.
std::size_t Behind_Last(const std::wstring& text, std::size_t from, std::size_t to, wchar_t mark) {
  for (std::size_t i = to; i > from; --i)
    if (text[i - 1] == mark) return i;
  return to;
}

}  // namespace

std::size_t Piece_End(const std::wstring& text, std::size_t at, std::size_t wanted) {
  const std::size_t size = text.size();
  if (at >= size || wanted >= size - at) return size;
  std::size_t end = at + std::max<std::size_t>(wanted, 1);
  const std::size_t quarter = end - (end - at) / 4;
  std::size_t found = Behind_Last(text, quarter, end, L'\r');
  if (found == end) found = Behind_Last(text, quarter, end, L' ');
  end = found;
  if (Is_High_Surrogate(text[end - 1])) --end;
  // A piece of one high surrogate alone would be empty: take the pair.
  return end > at ? end : std::min(size, at + 2);
}

std::size_t First_Piece_Chars(int width, int height, int line_pixels) {
  const auto line = std::size_t(std::max(line_pixels, 3));
  const std::size_t rows = std::size_t(std::max(height, 0)) / line + 1;
  const std::size_t columns = std::size_t(std::max(width, 0)) / (line / 3) + 1;
  return std::min(kFirstPieceChars, std::max(kLeastPieceChars, 2 * rows * columns));
}

std::size_t Longest_Unbroken_Run(const std::wstring& text) {
  std::size_t longest = 0, run = 0;
  for (wchar_t c : text) {
    run = (c == L' ' || c == L'\t' || c == L'\r' || c == L'\n') ? 0 : run + 1;
    longest = std::max(longest, run);
  }
  return longest;
}

std::size_t Next_Piece_Chars(std::size_t last_chars, double last_milliseconds) {
  double factor = last_milliseconds > 0 ? kPieceMilliseconds / last_milliseconds : 2.0;
  factor = std::min(2.0, std::max(0.5, factor));
  const auto next = std::size_t(double(last_chars) * factor);
  return std::min(kMostPieceChars, std::max(kLeastPieceChars, next));
}

unsigned long long Control_Bytes_For(std::size_t chars, std::size_t rows) {
  return chars * kControlBytesPerChar + rows * kControlBytesPerRow;
}
