// The piecewise forward search: Cyrillic case folding, whole words, range
// ends, and pieces that split a match.
#include <gtest/gtest.h>

#include <random>

#include "common/text_match.h"
#include "text/letter_case.h"
#include "common/win1251_unicode.h"

namespace {

std::string W(const std::string& utf8) { return Utf8_To_Win1251(utf8); }

struct Document {
  std::string text;
  int64_t bytes_read = 0;
  Range_Reader Reader() {
    return [this](int32_t start, int32_t end) {
      if (start >= int32_t(text.size())) return std::string();
      std::string piece = text.substr(size_t(start), size_t(end - start));
      bytes_read += int64_t(piece.size());
      return piece;
    };
  }
  int32_t Find(const std::string& what, int32_t start = 0, int32_t end = -1, Find_Options options = {}) {
    return Find_Forward(Reader(), what, start, end < 0 ? int32_t(text.size()) : end, options);
  }
};

TEST(Search_Text_Match, FoldsEveryCyrillicPairWithoutMatchCase) {
  Document d{W("Ёлка ЁЛКА ёлка Їжак їжак")};
  EXPECT_EQ(d.Find(W("ёлка")), 0);
  EXPECT_EQ(d.Find(W("ёлка"), 1), 5);
  EXPECT_EQ(d.Find(W("ёлка"), 1, -1, {true, false}), 10);
  EXPECT_EQ(d.Find(W("ЇЖАК"), 0), 15);
  EXPECT_EQ(d.Find(W("ЇЖАК"), 0, -1, {true, false}), -1);
  EXPECT_EQ(d.Find(W("їжак"), 16, -1, {true, false}), 20);
}

TEST(Search_Text_Match, MatchMustLieWithinTheRange) {
  Document d{"abcabc"};
  EXPECT_EQ(d.Find("abc", 3), 3);
  EXPECT_EQ(d.Find("abc", 4), -1);
  EXPECT_EQ(d.Find("abc", 1, 5), -1);
  EXPECT_EQ(d.Find("abc", 1, 6), 3);
  EXPECT_EQ(d.Find(""), -1);
  // An end past the document is the document's end.
  EXPECT_EQ(d.Find("bc", 2, 1000), 4);
  EXPECT_EQ(d.Find("cx", 0, 1000), -1);
}

TEST(Search_Text_Match, WholeWordLooksAtBothNeighboursEvenBeforeTheStart) {
  Document d{W("подслово слово словом, слово1 (слово) --")};
  const Find_Options whole{false, true};
  EXPECT_EQ(d.Find(W("слово"), 0, -1, whole), 9);
  EXPECT_EQ(d.Find(W("СЛОВО"), 10, -1, whole), 31);
  EXPECT_EQ(d.Find(W("лово"), 10, -1, whole), -1);
  // Signs are not letters: a run of them is a word of its own here.
  EXPECT_EQ(d.Find("--", 0, -1, whole), 38);
  Document e{W("слово")};
  EXPECT_EQ(e.Find(W("лово"), 1, -1, whole), -1);
  EXPECT_TRUE(Is_Word_Letter(W("ё")[0]));
  EXPECT_TRUE(Is_Word_Letter('7'));
  EXPECT_FALSE(Is_Word_Letter('_'));
  EXPECT_FALSE(Is_Word_Letter('\xA0'));
}

TEST(Search_Text_Match, ANearHitReadsLittleOfALargeDocument) {
  Document d{std::string(20, 'x') + "needle" + std::string(1 << 20, 'x')};
  EXPECT_EQ(d.Find("needle"), 20);
  EXPECT_LT(d.bytes_read, 4096);
  d.bytes_read = 0;
  EXPECT_EQ(d.Find("absent"), -1);
  EXPECT_LT(d.bytes_read, int64_t(d.text.size()) * 11 / 10);
}

// A plain scan of the whole string, the meaning the pieces must keep.
int32_t Reference(const std::string& text, const std::string& what, int32_t start, int32_t end,
                  Find_Options o) {
  const std::string folded_text = o.Match_Case ? text : Lower_Case_Text(text);
  const std::string folded_what = o.Match_Case ? what : Lower_Case_Text(what);
  for (int32_t at = start; at + int32_t(what.size()) <= std::min(end, int32_t(text.size())); ++at) {
    if (folded_text.compare(size_t(at), what.size(), folded_what) != 0) continue;
    if (o.Whole_Word && at > 0 && Is_Word_Letter(text[size_t(at) - 1])) continue;
    if (o.Whole_Word && size_t(at) + what.size() < text.size() &&
        Is_Word_Letter(text[size_t(at) + what.size()]))
      continue;
    return at;
  }
  return -1;
}

TEST(Search_Text_Match, PiecesNeverLoseOrInventAMatch) {
  std::mt19937 random(5);
  const std::string letters = W("аАб -x");
  Document d;
  for (int i = 0; i < 9000; ++i) d.text += letters[random() % letters.size()];
  for (int round = 0; round < 3000; ++round) {
    std::string what;
    for (size_t n = 1 + random() % 3; n > 0; --n) what += letters[random() % letters.size()];
    const auto start = int32_t(random() % d.text.size());
    const auto end = start + int32_t(random() % 5000);
    const Find_Options o{random() % 2 == 0, random() % 2 == 0};
    ASSERT_EQ(d.Find(what, start, end, o), Reference(d.text, what, start, end, o))
        << round << " " << start << " " << end;
  }
}

}  // namespace
