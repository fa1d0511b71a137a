#include "text/translit.h"
#include "common/win1251_unicode.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

std::string W(const std::string& utf8) { return Utf8_To_Win1251(utf8); }

}  // namespace

TEST(TextTranslit, Words) {
  EXPECT_EQ(Translit_Text(W("Щука")), "Schuka");
  EXPECT_EQ(Translit_Text(W("объём")), "obyom");
  EXPECT_EQ(Translit_Text(W("Ель")), "El`");
  EXPECT_EQ(Translit_Text(W("Цех")), "Ceh");
  EXPECT_EQ(Translit_Text(W("ЖУК Чаща")), "ZhUK Chascha");
  EXPECT_EQ(Translit_Text(W("Юля, Яша, Ёж, ЪЫЬЭ")), "Yulya, Yasha, Yozh, I`E");
}

TEST(TextTranslit, FullAlphabet) {
  EXPECT_EQ(Translit_Text(W("абвгдеёжзийклмнопрстуфхцчшщъыьэюя")),
            "abvgdeyozhziyklmnoprstufhcchshschi`eyuya");
  EXPECT_EQ(Translit_Text(W("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ")),
            "ABVGDEYoZhZIYKLMNOPRSTUFHCChShSchI`EYuYa");
}

TEST(TextTranslit, SignsOfTheUpperHalf) {
  EXPECT_EQ(Translit_Text(W("№ 5")), "# 5");
  EXPECT_EQ(Translit_Text(W("«»\u00A0")), "...");
  // En and em dash, curly quotes, ellipsis.
  EXPECT_EQ(Translit_Text("\x96\x97\x93\x94\x85"), W("ЦЧУФ") + "E");
  EXPECT_EQ(Translit_Text("\x80\x8F\x90\x9F"), "AP" + W("РЯ"));
}

TEST(TextTranslit, AsciiPassesUnchanged) {
  std::string ascii;
  for (int b = 0; b < 0x80; ++b) ascii += static_cast<char>(b);
  EXPECT_EQ(Translit_Text(ascii), ascii);
  EXPECT_EQ(Translit_Text(""), "");
}

TEST(TextTranslit, TableEntriesAreAtMostThreeBytes) {
  std::size_t longest = 0;
  for (const Translit_Entry& entry : Translit_Table) longest = std::max<std::size_t>(longest, entry.length);
  EXPECT_EQ(longest, 3u);
  EXPECT_EQ(Translit_Text(W("щщ")).size(), 6u);
}

TEST(TextTranslit, ReportsEveryInputPositionOnce) {
  std::vector<std::int64_t> seen;
  Translit_Text(W("щъa"), [&](std::int64_t p) { seen.push_back(p); });
  EXPECT_EQ(seen, (std::vector<std::int64_t>{1, 2, 3}));
}

TEST(TextTranslit, LongTextIsItsPiecesEndToEnd) {
  // Letters of every output length (щ three bytes, ъ none) in a unit of odd
  // length, repeated past any size in which the text may be worked through.
  const std::string unit = W("щъжa Ёё№ ъщ\x80\x9F");
  std::string text;
  std::string expected;
  for (int k = 0; k < 9000; ++k) {
    text += unit;
    expected += Translit_Text(unit);
  }
  std::vector<std::int64_t> seen;
  EXPECT_EQ(Translit_Text(text, [&](std::int64_t p) { seen.push_back(p); }), expected);
  ASSERT_EQ(seen.size(), text.size());
  for (std::size_t i = 0; i < seen.size(); ++i) ASSERT_EQ(seen[i], static_cast<std::int64_t>(i) + 1);
}
