#include "text/layout_retype.h"
#include "text/win1251_unicode.h"

#include <gtest/gtest.h>

namespace {

std::string W(const std::string& utf8) { return Utf8_To_Win1251(utf8); }

}  // namespace

TEST(TextRetype, KirilicaTurnsLatinGarbageIntoRussian) {
  EXPECT_EQ(Kirilica_Text("ghbdtn"), W("привет"));
  EXPECT_EQ(Kirilica_Text("Ghbdtn Ntrcn"), W("Привет Текст"));
  EXPECT_EQ(Kirilica_Text("`~"), W("ёЁ"));
  EXPECT_EQ(Kirilica_Text("[]{};:'\",.<>"), W("хъХЪжЖэЭбюБЮ"));
}

TEST(TextRetype, KirilicaChangesTheSevenSigns) {
  EXPECT_EQ(Kirilica_Text("#$&/?@^"), W("№;?.,\":"));
  // Already Russian text keeps its letters but not those signs.
  EXPECT_EQ(Kirilica_Text(W("да/нет")), W("да.нет"));
}

TEST(TextRetype, KirilicaKeepsSignsThatShareTheirKey) {
  const std::string kept = " 0123456789!%()*+-=_\\|\r\t";
  EXPECT_EQ(Kirilica_Text(kept), kept);
  EXPECT_EQ(Kirilica_Table[0x7F], 0x7F);
  EXPECT_EQ(Kirilica_Table[0x1F], 0x1F);
}

TEST(TextRetype, LatinicaTurnsRussianGarbageIntoLatin) {
  EXPECT_EQ(Latinica_Text(W("руддщ")), "hello");
  EXPECT_EQ(Latinica_Text(W("Руддщ Цщкдв")), "Hello World");
  EXPECT_EQ(Latinica_Text(W("ёЁ№")), "`~#");
}

TEST(TextRetype, LatinicaLeavesAsciiAlone) {
  for (int b = 0; b < 0x80; ++b) EXPECT_EQ(Latinica_Table[b], b) << b;
}

TEST(TextRetype, HardAndHaCapitalsComeBackSmall) {
  EXPECT_EQ(Latinica_Text(W("ХЪхъ")), "[][]");
  EXPECT_EQ(Kirilica_Text(Latinica_Text(W("ХЪ"))), W("хъ"));
}

TEST(TextRetype, EveryOtherRussianLetterSurvivesTheRoundTrip) {
  for (int b = 0xC0; b <= 0xFF; ++b) {
    if (b == 0xD5 || b == 0xDA) continue;
    const std::string letter(1, static_cast<char>(b));
    EXPECT_EQ(Kirilica_Text(Latinica_Text(letter)), letter) << b;
  }
  EXPECT_EQ(Kirilica_Text(Latinica_Text(W("Ёё"))), W("Ёё"));
}

TEST(TextRetype, HighControlBlockBecomesCapitalsAndSignsBecomeFullStops) {
  for (int b = 0x80; b <= 0x9F; ++b) {
    EXPECT_EQ(Kirilica_Table[b], b + 0x40);
    EXPECT_EQ(Latinica_Table[b], b + 0x40);
  }
  for (int b = 0xA0; b <= 0xBF; ++b) {
    if (b == 0xA8 || b == 0xB8 || b == 0xB9) continue;
    EXPECT_EQ(Kirilica_Table[b], '.') << b;
    EXPECT_EQ(Latinica_Table[b], '.') << b;
  }
  EXPECT_EQ(Kirilica_Text(W("«»")), "..");
}

TEST(TextRetype, LengthNeverChanges) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Kirilica_Text(all).size(), 256u);
  EXPECT_EQ(Latinica_Text(all).size(), 256u);
  EXPECT_EQ(Kirilica_Text(""), "");
}
