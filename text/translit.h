#pragma once
// Transliteration of Russian text into Latin letters, one table entry per byte,
// without looking at neighbouring bytes.
#include <array>
#include <string>
#include <string_view>

#include "platform/progress.h"

// What one byte becomes: zero to three bytes.
struct Translit_Entry {
  char text[3];
  unsigned char length;

  constexpr std::string_view view() const { return std::string_view(text, length); }
};

// Indexed by a Windows-1251 byte.
extern const std::array<Translit_Entry, 256> Translit_Table;

// The text with every byte replaced by its table entry; the result is at most
// three times as long. on_position sees positions 1..text length, one per
// byte, before that byte is handled.
std::string Translit_Text(const std::string& text, const Position_Callback& on_position = {});
