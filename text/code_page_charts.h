#pragma once
// The full charts of the 8-bit Cyrillic code pages: every byte as the
// UTF-16 code unit it stands for, and the way back. Unlike the menu's letter
// tables (text/codepages.h) these know every sign, so text can move between
// pages, and to and from UTF-8, without changing a single character.
//
// The first five are the menu's pages (text/codepages.h), by their Codepage
// numbers; then the three pages of Ukrainian and Belarusian text. The bytes
// 0x00..0x7F are ASCII in all of them. Choices where published charts differ:
// - KOI is KOI8-R. KOI8-U, a page of its own, puts Ukrainian letters where
//   KOI8-R has eight box-drawing signs; text written in KOI8-R with box
//   drawing must not change.
// - MAC is Apple's Mac OS Cyrillic as of Mac OS 9 onwards: Ґ at 0xA2, ґ at
//   0xB6 and the euro sign at 0xFF (older charts have ¤ there).
// - WIN is Windows-1251; its one unassigned byte 0x98 stands for U+0098 so
//   that every byte survives a round trip, as it does at the edit area.
#include <cstdint>

#include "text/codepages.h"

enum Chart_Page : int {
  Chart_KOI8U = Codepage_Count,
  Chart_CP1125,  // the Ukrainian DOS page
  Chart_IBM855,
};
constexpr int Chart_Count = Chart_IBM855 + 1;

// Code_Page_Chart[page][b - 0x80] is byte b of the page, b >= 0x80.
extern const char16_t* const Code_Page_Chart[Chart_Count];

constexpr char16_t Page_Char(int page, std::uint8_t b) {
  return b < 0x80 ? char16_t{b} : Code_Page_Chart[page][b - 0x80];
}

// The byte that stands for code in the page, or -1 when the page lacks it.
int Page_Byte(int page, char32_t code);
