#pragma once
// The upper halves (bytes 0x80..0xFF) of the 8-bit Cyrillic pages besides
// Windows-1251 (common/win1251_unicode.h), as UTF-16 code units; the lower
// halves are ASCII. Files in these pages and the text commands that move
// text between pages read the same charts.
#include <array>

extern const std::array<char16_t, 128> kDos866_Upper_Half;        // DOS: IBM code page 866
extern const std::array<char16_t, 128> kIso8859_5_Upper_Half;     // ISO: ISO 8859-5
extern const std::array<char16_t, 128> kKoi8r_Upper_Half;         // KOI: KOI8-R
extern const std::array<char16_t, 128> kMac_Cyrillic_Upper_Half;  // MAC: Mac OS Cyrillic
extern const std::array<char16_t, 128> kKoi8u_Upper_Half;         // KOI8-U
extern const std::array<char16_t, 128> kCp1125_Upper_Half;        // CP1125, the Ukrainian DOS page
extern const std::array<char16_t, 128> kIbm855_Upper_Half;        // IBM855
