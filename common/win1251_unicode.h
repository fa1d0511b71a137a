#pragma once
// Windows-1251 is the document's own encoding whatever the system's code page;
// the edit control and the user interface speak UTF-16, so text crosses that
// edge through these converters. Every one of the 256 bytes survives a round
// trip (0x98, unassigned in 1251, travels as U+0098).
#include <array>
#include <cstdint>
#include <string>

std::wstring Win1251_To_Utf16(const std::string& text);
// Characters that 1251 cannot hold become '?'.
std::string Utf16_To_Win1251(const std::wstring& text);

// The halves of a UTF-16 surrogate pair.
constexpr bool Is_High_Surrogate(uint32_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
constexpr bool Is_Low_Surrogate(uint32_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

// UTF-8 is how the sources spell the interface texts and paths.
std::wstring Utf8_To_Utf16(const std::string& text);
std::string Utf16_To_Utf8(const std::wstring& text);
std::string Utf8_To_Win1251(const std::string& text);
std::string Win1251_To_Utf8(const std::string& text);
// Appends one code point as UTF-8.
void Append_Utf8(std::string& out, uint32_t cp);

// The upper half of Windows-1251 (bytes 0x80..0xFF); the lower half is ASCII.
// 0x98, which the code page leaves unassigned, stands for U+0098.
extern const std::array<char16_t, 128> kWin1251_Upper_Half;
