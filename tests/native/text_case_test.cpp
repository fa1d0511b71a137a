#include "text/letter_case.h"
#include "common/win1251_unicode.h"

#include <gtest/gtest.h>

namespace {

std::string W(const std::string& utf8) { return Utf8_To_Win1251(utf8); }

}  // namespace

TEST(TextCase, ToggleUpperCasesWhenASmallLetterIsThere) {
  EXPECT_EQ(Toggle_Case_Text(W("Привет")), W("ПРИВЕТ"));
  EXPECT_EQ(Toggle_Case_Text(W("ПРИВЕТ")), W("привет"));
  EXPECT_EQ(Toggle_Case_Text("ABC def"), "ABC DEF");
  EXPECT_EQ(Toggle_Case_Text(Toggle_Case_Text("ABC def")), "abc def");
}

TEST(TextCase, YoCountsAsSmallLetter) {
  EXPECT_EQ(Toggle_Case_Text(W("ёЛКА")), W("ЁЛКА"));
  EXPECT_EQ(Toggle_Case_Text(W("ЁЛКА")), W("ёлка"));
}

TEST(TextCase, TextWithoutLettersStays) {
  EXPECT_EQ(Toggle_Case_Text("123 +-*/\r"), "123 +-*/\r");
  EXPECT_EQ(Toggle_Case_Text(""), "");
}

TEST(TextCase, RareSmallLettersDoNotCountForTheTest) {
  EXPECT_FALSE(Has_Lower_Letter(W("ђ")));
  EXPECT_EQ(Toggle_Case_Text(W("ђ")), W("ђ"));
  EXPECT_EQ(Toggle_Case_Text(W("Ђ")), W("ђ"));
  EXPECT_EQ(Toggle_Case_Text(W("ђz")), W("ЂZ"));
}

TEST(TextCase, HasLowerLetterSet) {
  EXPECT_FALSE(Has_Lower_Letter(""));
  EXPECT_FALSE(Has_Lower_Letter(W("ABCЯЁ123µ")));
  EXPECT_TRUE(Has_Lower_Letter("Xz"));
  EXPECT_TRUE(Has_Lower_Letter(W("Я я")));
  EXPECT_TRUE(Has_Lower_Letter(W("ё")));
}

TEST(TextCase, EveryPairOfTheCodePageMapsBothWays) {
  // Capital and small letters of Windows-1251, as the system's tables give them.
  const std::string capitals = W("ABCXYZАБЯЂЃЉЊЌЋЏЎЈҐЁЄІЅЇ");
  const std::string smalls = W("abcxyzабяђѓљњќћџўјґёєіѕї");
  EXPECT_EQ(Upper_Case_Text(smalls), capitals);
  EXPECT_EQ(Lower_Case_Text(capitals), smalls);
  EXPECT_EQ(Upper_Case_Text(capitals), capitals);
  EXPECT_EQ(Lower_Case_Text(smalls), smalls);
}

TEST(TextCase, BytesWithoutPartnerStay) {
  const std::string others = W("µ№«»§©") + "09@[`{\r\t";
  EXPECT_EQ(Upper_Case_Text(others), others);
  EXPECT_EQ(Lower_Case_Text(others), others);
  int changed = 0;
  for (int b = 0; b < 256; ++b)
    if (Upper_Case_Table[b] != b) ++changed;
  EXPECT_EQ(changed, 26 + 32 + 15);
}

TEST(TextCase, ToggleOfALongTextLooksAtEveryByteBeforeLowering) {
  // Capitals and signs; the one small letter sits wherever the text may be
  // split into pieces for the test, up to its very last byte.
  std::string capitals;
  while (capitals.size() < 50000) capitals += W("ПРИВЕТ, МИР! 123 ЁЖ\r");
  capitals.resize(50000);
  EXPECT_EQ(Toggle_Case_Text(capitals), Lower_Case_Text(capitals));
  for (std::size_t at : {0, 1, 8191, 8192, 8193, 20000, 49999}) {
    std::string text = capitals;
    text[at] = 'z';
    EXPECT_EQ(Toggle_Case_Text(text), Upper_Case_Text(text)) << at;
    EXPECT_TRUE(Has_Lower_Letter(text)) << at;
  }
  std::string rare = capitals;
  rare[30000] = W("ђ")[0];
  EXPECT_FALSE(Has_Lower_Letter(rare));
  EXPECT_EQ(Toggle_Case_Text(rare), Lower_Case_Text(rare));
}
