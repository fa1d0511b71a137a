#pragma once
// Re-typing of text entered in the wrong keyboard layout: each byte becomes
// the character of the same key in the other layout (Russian and US English).
// Both are byte-for-byte substitutions; the length never changes.
#include <array>
#include <cstdint>
#include <string>

using Retype_Map = std::array<std::uint8_t, 256>;

// Latin keys to the Russian letters and signs on the same keys.
extern const Retype_Map To_Russian_Table;
// Russian letters back to the Latin characters of their keys.
extern const Retype_Map To_Latin_Table;

// The selection re-typed as if typed in the Russian layout.
std::string Retype_To_Russian(const std::string& text);
// The selection re-typed as if typed in the US English layout.
std::string Retype_To_Latin(const std::string& text);
