#pragma once
// Letter case in Windows-1251.
#include <array>
#include <cstdint>
#include <string>

using Case_Map = std::array<std::uint8_t, 256>;

// Every small letter of a capital/small pair to its capital; all else stays.
extern const Case_Map Upper_Case_Table;
// Every capital of a pair to its small letter; all else stays.
extern const Case_Map Lower_Case_Table;

std::string Upper_Case_Text(const std::string& text);
std::string Lower_Case_Text(const std::string& text);

// True when the text holds a byte of a..z, ё or а..я. The rarer small letters
// of the code page (ђ, ѓ, ...) deliberately do not count.
bool Has_Lower_Letter(const std::string& text);

// The case toggle of the selection: all capitals when the text holds a small
// letter by Has_Lower_Letter, otherwise all small letters. Length stays.
std::string Toggle_Case_Text(const std::string& text);
