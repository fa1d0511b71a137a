#pragma once
// The shapes of UTF-8 bytes and the strict reading of one sequence: the one
// place they are written, for every reader of UTF-8 in the program.
#include <cstddef>
#include <cstdint>
#include <string_view>

inline bool Is_Utf8_Continuation(unsigned char b) { return (b & 0xC0) == 0x80; }
// A byte that opens a code point: anything but a continuation byte.
inline bool Starts_Utf8_Code_Point(unsigned char b) { return !Is_Utf8_Continuation(b); }
// How many UTF-16 units the code point a lead byte opens takes: a four-byte
// sequence makes a surrogate pair.
inline std::size_t Utf16_Units_Of_Lead(unsigned char lead) { return lead >= 0xF0 ? 2 : 1; }

// One sequence at `at`: its code point and length; a length of 0 when the
// bytes there are no valid sequence (a continuation byte, C0 and C1, which
// are always overlong, F5 and up, a sequence cut off, overlong forms,
// surrogates, anything past U+10FFFF).
struct Utf8_Sequence {
  uint32_t Code_Point;
  std::size_t Length;
};
Utf8_Sequence Read_Utf8(std::string_view bytes, std::size_t at);
