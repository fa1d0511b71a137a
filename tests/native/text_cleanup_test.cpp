#include "text/line_cleanup.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Readable working text: ␣ is a space, ¶ a CR, ⇥ a tab.
std::string T(const std::string& marked) {
  std::string text;
  for (std::size_t i = 0; i < marked.size();) {
    if (marked.compare(i, 3, "␣") == 0) {
      text += ' ';
      i += 3;
    } else if (marked.compare(i, 2, "¶") == 0) {
      text += '\r';
      i += 2;
    } else if (marked.compare(i, 3, "⇥") == 0) {
      text += '\t';
      i += 3;
    } else {
      text += marked[i++];
    }
  }
  return text;
}

std::vector<std::int64_t> Positions(std::string (*command)(const std::string&, const Position_Callback&),
                                    const std::string& text) {
  std::vector<std::int64_t> seen;
  command(text, [&](std::int64_t p) { seen.push_back(p); });
  return seen;
}

}  // namespace

TEST(TextCleanup, RemoveLineBreaksJoinsParagraphLines) {
  EXPECT_EQ(Remove_Line_Breaks(T("a¶b¶¶c¶␣d")), T("a␣b¶¶c¶␣d"));
  EXPECT_EQ(Remove_Line_Breaks(T("¶ab")), T("␣ab"));
  EXPECT_EQ(Remove_Line_Breaks(T("ab¶")), T("ab␣"));
  EXPECT_EQ(Remove_Line_Breaks(T("a¶⇥b")), T("a␣⇥b"));
  // Judged on the text as taken: the middle CR of three stays too.
  EXPECT_EQ(Remove_Line_Breaks(T("a¶¶¶b")), T("a¶¶¶b"));
  EXPECT_EQ(Remove_Line_Breaks(T("¶")), T("␣"));
  EXPECT_EQ(Remove_Line_Breaks(""), "");
}

TEST(TextCleanup, RemoveLineStartSpaceTakesOneSpacePerLine) {
  EXPECT_EQ(Remove_Line_Start_Space(T("␣a¶␣␣b¶␣c")), T("a¶␣b¶c"));
  EXPECT_EQ(Remove_Line_Start_Space(T("a¶␣¶␣␣x")), T("a¶¶␣x"));
  EXPECT_EQ(Remove_Line_Start_Space(T("␣␣a")), T("␣a"));
  EXPECT_EQ(Remove_Line_Start_Space(T("a¶")), T("a¶"));
  EXPECT_EQ(Remove_Line_Start_Space(T("␣")), "");
  EXPECT_EQ(Remove_Line_Start_Space(T("a␣b")), T("a␣b"));
}

TEST(TextCleanup, SqueezeSpacesKeepsLeadingIndentAndTrailingRuns) {
  EXPECT_EQ(Squeeze_Spaces(T("a␣␣b␣␣␣c")), T("a␣b␣c"));
  EXPECT_EQ(Squeeze_Spaces(T("␣␣a␣␣b")), T("␣␣a␣b"));
  EXPECT_EQ(Squeeze_Spaces(T("a␣␣¶b")), T("a␣␣¶b"));
  EXPECT_EQ(Squeeze_Spaces(T("x¶␣␣␣y␣␣z")), T("x¶␣␣␣y␣z"));
  EXPECT_EQ(Squeeze_Spaces(T("ab␣␣")), T("ab␣"));
  // A tab ends a run.
  EXPECT_EQ(Squeeze_Spaces(T("a␣␣⇥␣␣b")), T("a␣⇥␣b"));
  EXPECT_EQ(Squeeze_Spaces(""), "");
}

TEST(TextCleanup, RemoveTrailingSpacesOnlyBeforeLineBreaks) {
  EXPECT_EQ(Remove_Trailing_Spaces(T("a␣␣¶b␣¶␣␣¶c␣␣")), T("a¶b¶¶c␣␣"));
  EXPECT_EQ(Remove_Trailing_Spaces(T("a␣b⇥¶")), T("a␣b⇥¶"));
}

TEST(TextCleanup, ReplaceTabsWithFourSpaces) {
  EXPECT_EQ(Replace_Tabs(T("⇥a⇥")), T("␣␣␣␣a␣␣␣␣"));
  EXPECT_EQ(Replace_Tabs(T("ab⇥⇥¶")), T("ab␣␣␣␣␣␣␣␣¶"));
}

TEST(TextCleanup, AddSpacesIntoWords) {
  EXPECT_EQ(Add_Spaces_Into_Words("abc"), T("a␣b␣c"));
  EXPECT_EQ(Add_Spaces_Into_Words(T("ab␣cd")), T("a␣b␣␣␣c␣d"));
  EXPECT_EQ(Add_Spaces_Into_Words(T("a¶b")), T("a␣¶␣b"));
  EXPECT_EQ(Add_Spaces_Into_Words("a"), "a");
  EXPECT_EQ(Add_Spaces_Into_Words(""), "");
}

TEST(TextCleanup, CountersFollowEachCommandsLoop) {
  EXPECT_EQ(Positions(Remove_Line_Breaks, T("a¶b")), (std::vector<std::int64_t>{1, 2, 3}));
  // The text shrinks by the two spaces that go.
  EXPECT_EQ(Positions(Remove_Line_Start_Space, T("␣a¶␣b")), (std::vector<std::int64_t>{1, 2, 3}));
  // One iteration per byte that is not a space and per run of spaces.
  EXPECT_EQ(Positions(Squeeze_Spaces, T("a␣␣␣b")), (std::vector<std::int64_t>{1, 2, 3}));
  EXPECT_EQ(Positions(Remove_Trailing_Spaces, T("a␣␣¶")), (std::vector<std::int64_t>{1, 2, 3}));
  // The text grows by three bytes per tab.
  EXPECT_EQ(Positions(Replace_Tabs, T("⇥a")).size(), 5u);
  EXPECT_EQ(Positions(Add_Spaces_Into_Words, "abcd"), (std::vector<std::int64_t>{1, 2, 3}));
}

TEST(TextCleanup, EmptyCallbackIsAllowedEverywhere) {
  const Position_Callback none;
  EXPECT_EQ(Squeeze_Spaces(T("a␣␣b"), none), T("a␣b"));
  EXPECT_EQ(Replace_Tabs(T("⇥"), none), T("␣␣␣␣"));
}

namespace {

std::string Repeated(const std::string& unit, std::size_t times) {
  std::string text;
  for (std::size_t k = 0; k < times; ++k) text += unit;
  return text;
}

// Lines that open with a letter and end in CR, of odd lengths, so that
// copies of them placed end to end put every byte of them, runs of spaces
// included, across every boundary at which a command may split its work.
// Each line starts as a text starts.
const std::vector<std::string> Long_Text_Units = {
    T("a␣␣␣b⇥cd␣␣¶"),
    T("x␣¶␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣␣y␣␣⇥⇥¶"),
    T("word␣␣word␣␣␣␣¶¶␣lead␣␣␣¶"),
    T("q⇥⇥⇥␣␣¶␣¶"),
};

std::vector<std::int64_t> One_To(std::int64_t last) {
  std::vector<std::int64_t> positions;
  for (std::int64_t p = 1; p <= last; ++p) positions.push_back(p);
  return positions;
}

// The iterations of the space-run commands: bytes that are not spaces, and runs.
std::int64_t Space_Run_Iterations(const std::string& text) {
  std::int64_t iterations = 0;
  for (std::size_t i = 0; i < text.size(); ++i)
    if (text[i] != ' ' || i == 0 || text[i - 1] != ' ') ++iterations;
  return iterations;
}

}  // namespace

TEST(TextCleanup, LongTextsComeOutAsTheirLinesDo) {
  using Command = std::string (*)(const std::string&, const Position_Callback&);
  for (const std::string& unit : Long_Text_Units) {
    const std::size_t times = 70000 / unit.size() + 1;
    const std::string text = Repeated(unit, times);
    for (Command command : {Remove_Line_Breaks, Remove_Line_Start_Space, Squeeze_Spaces,
                            Remove_Trailing_Spaces, Replace_Tabs}) {
      EXPECT_EQ(command(text, {}), Repeated(command(unit, {}), times)) << '[' << unit << ']';
    }
    const std::string spaced = Add_Spaces_Into_Words(text);
    ASSERT_EQ(spaced.size(), 2 * text.size() - 1);
    for (std::size_t i = 0; i < spaced.size(); ++i) ASSERT_EQ(spaced[i], i % 2 == 0 ? text[i / 2] : ' ') << i;
  }
}

TEST(TextCleanup, LongTextsReportEveryPositionOnceInOrder) {
  for (const std::string& unit : Long_Text_Units) {
    const std::string text = Repeated(unit, 70000 / unit.size() + 1);
    const auto length = static_cast<std::int64_t>(text.size());
    EXPECT_EQ(Positions(Remove_Line_Breaks, text), One_To(length));
    EXPECT_EQ(Positions(Add_Spaces_Into_Words, text), One_To(length - 1));
    EXPECT_EQ(Positions(Remove_Line_Start_Space, text),
              One_To(static_cast<std::int64_t>(Remove_Line_Start_Space(text).size())));
    EXPECT_EQ(Positions(Replace_Tabs, text), One_To(static_cast<std::int64_t>(Replace_Tabs(text).size())));
    EXPECT_EQ(Positions(Squeeze_Spaces, text), One_To(Space_Run_Iterations(text)));
    EXPECT_EQ(Positions(Remove_Trailing_Spaces, text), One_To(Space_Run_Iterations(text)));
  }
}

TEST(TextCleanup, ARunOfSpacesLongerThanAnyPieceOfWorkIsOneRun) {
  const std::string run(100000, ' ');
  EXPECT_EQ(Squeeze_Spaces("a" + run + "b"), "a b");
  EXPECT_EQ(Squeeze_Spaces("a" + run + "\r"), "a" + run + "\r");
  EXPECT_EQ(Remove_Trailing_Spaces("a" + run + "\rb"), "a\rb");
  EXPECT_EQ(Remove_Trailing_Spaces("a" + run), "a" + run);
  EXPECT_EQ(Positions(Squeeze_Spaces, "a" + run + "b"), (std::vector<std::int64_t>{1, 2, 3}));
  EXPECT_EQ(Remove_Line_Start_Space("\r" + run), "\r" + run.substr(1));
}
