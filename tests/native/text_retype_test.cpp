#include "text/layout_retype.h"
#include "common/win1251_unicode.h"

#include <gtest/gtest.h>

namespace {

std::string W(const std::string& utf8) { return Utf8_To_Win1251(utf8); }

}  // namespace

TEST(TextRetype, RetypeToRussianTurnsLatinGarbageIntoRussian) {
  EXPECT_EQ(Retype_To_Russian("ghbdtn"), W("привет"));
  EXPECT_EQ(Retype_To_Russian("Ghbdtn Ntrcn"), W("Привет Текст"));
  EXPECT_EQ(Retype_To_Russian("`~"), W("ёЁ"));
  EXPECT_EQ(Retype_To_Russian("[]{};:'\",.<>"), W("хъХЪжЖэЭбюБЮ"));
}

TEST(TextRetype, RetypeToRussianChangesTheSevenSigns) {
  EXPECT_EQ(Retype_To_Russian("#$&/?@^"), W("№;?.,\":"));
  // Already Russian text keeps its letters but not those signs.
  EXPECT_EQ(Retype_To_Russian(W("да/нет")), W("да.нет"));
}

TEST(TextRetype, RetypeToRussianKeepsSignsThatShareTheirKey) {
  const std::string kept = " 0123456789!%()*+-=_\\|\r\t";
  EXPECT_EQ(Retype_To_Russian(kept), kept);
  EXPECT_EQ(To_Russian_Table[0x7F], 0x7F);
  EXPECT_EQ(To_Russian_Table[0x1F], 0x1F);
}

TEST(TextRetype, RetypeToLatinTurnsRussianGarbageIntoLatin) {
  EXPECT_EQ(Retype_To_Latin(W("руддщ")), "hello");
  EXPECT_EQ(Retype_To_Latin(W("Руддщ Цщкдв")), "Hello World");
  EXPECT_EQ(Retype_To_Latin(W("ёЁ№")), "`~#");
}

TEST(TextRetype, RetypeToLatinLeavesAsciiAlone) {
  for (int b = 0; b < 0x80; ++b) EXPECT_EQ(To_Latin_Table[b], b) << b;
}

TEST(TextRetype, HardAndHaCapitalsComeBackSmall) {
  EXPECT_EQ(Retype_To_Latin(W("ХЪхъ")), "[][]");
  EXPECT_EQ(Retype_To_Russian(Retype_To_Latin(W("ХЪ"))), W("хъ"));
}

TEST(TextRetype, EveryOtherRussianLetterSurvivesTheRoundTrip) {
  for (int b = 0xC0; b <= 0xFF; ++b) {
    if (b == 0xD5 || b == 0xDA) continue;
    const std::string letter(1, static_cast<char>(b));
    EXPECT_EQ(Retype_To_Russian(Retype_To_Latin(letter)), letter) << b;
  }
  EXPECT_EQ(Retype_To_Russian(Retype_To_Latin(W("Ёё"))), W("Ёё"));
}

TEST(TextRetype, HighControlBlockBecomesCapitalsAndSignsBecomeFullStops) {
  for (int b = 0x80; b <= 0x9F; ++b) {
    EXPECT_EQ(To_Russian_Table[b], b + 0x40);
    EXPECT_EQ(To_Latin_Table[b], b + 0x40);
  }
  for (int b = 0xA0; b <= 0xBF; ++b) {
    if (b == 0xA8 || b == 0xB8 || b == 0xB9) continue;
    EXPECT_EQ(To_Russian_Table[b], '.') << b;
    EXPECT_EQ(To_Latin_Table[b], '.') << b;
  }
  EXPECT_EQ(Retype_To_Russian(W("«»")), "..");
}

TEST(TextRetype, LengthNeverChanges) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Retype_To_Russian(all).size(), 256u);
  EXPECT_EQ(Retype_To_Latin(all).size(), 256u);
  EXPECT_EQ(Retype_To_Russian(""), "");
}
