#include <gtest/gtest.h>

#include "common/win1251_unicode.h"

TEST(Win1251Unicode, AllBytesRoundTripThroughUtf16) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += char(b);
  const std::wstring wide = Win1251_To_Utf16(all);
  EXPECT_EQ(wide[0xC0], L'\x0410');
  EXPECT_EQ(wide[0xFF], L'\x044F');
  EXPECT_EQ(wide[0xA8], L'\x0401');
  EXPECT_EQ(wide[0xB9], L'\x2116');
  EXPECT_EQ(Utf16_To_Win1251(wide), all);
}

TEST(Win1251Unicode, Utf8BothWaysAndUnmappableBecomesQuestionMark) {
  EXPECT_EQ(Utf8_To_Win1251("Строка №1"),
            "\xD1\xF2\xF0\xEE\xEA\xE0 \xB9"
            "1");
  EXPECT_EQ(Win1251_To_Utf8("\xD1\xF2\xF0\xEE\xEA\xE0"), "Строка");
  EXPECT_EQ(Utf8_To_Win1251("日本"), "??");
  // Neighbours of mapped characters in the same Unicode pages have no byte.
  EXPECT_EQ(Utf16_To_Win1251(std::wstring{0x00A1, 0x0400, 0x0460, 0x2000, 0x2100, 0x2117, 0x00FF}),
            "???????");
  EXPECT_EQ(Utf16_To_Utf8(Utf8_To_Utf16("ё € 😀")), "ё € 😀");
}
