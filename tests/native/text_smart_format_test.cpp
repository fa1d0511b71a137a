#include "text/smart_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
// Lays a document of hard lines (each ending in CR) out into display lines.
using Layout = std::function<Lines(const std::string& text)>;

// The justify pass as the editor-driven command performs it: line i and i+1
// are read from the editor's current layout at every step, the gaps receive
// their spaces one insertion at a time, and line i's text is replaced in the
// document (its line break stays), after which the editor lays out anew.
std::string Justify_Through_Display(std::string text, std::size_t width, const Layout& layout) {
  const std::size_t n = layout(text).size();
  for (std::size_t i = 0; i < n; ++i) {
    const Lines display = layout(text);
    const std::string line = i < display.size() ? display[i] : "";
    std::string next = i + 1 < display.size() ? display[i + 1] : "";
    if (next.empty()) next = " ";
    std::string l = Right_Trim(line);
    if (l.size() < 2 || next[0] == ' ' || l.size() >= width) continue;
    const std::size_t j = l.find_first_not_of(' ') + 1;
    std::vector<std::size_t> positions;
    for (std::size_t k = j; k <= l.size(); ++k)
      if (l[k - 1] == ' ') positions.push_back(k);
    if (!positions.empty()) {
      std::size_t p = 0;
      for (;;) {
        l.insert(positions[p] - 1, 1, ' ');
        p = p + 1 == positions.size() ? 0 : p + 1;
        for (std::size_t e = p; e < positions.size(); ++e) ++positions[e];
        if (l.size() == width) break;
      }
    }
    // Find where display line i starts in the text and replace its bytes.
    std::size_t start = 0;
    for (std::size_t k = 0; k < i; ++k) {
      start += display[k].size();
      if (start < text.size() && text[start] == '\r') ++start;
    }
    text.replace(start, line.size(), l);
  }
  return text;
}

Lines Hard_Lines(const std::string& text) { return Split_Lines(text).Strings(); }

// Word wrap in a font where 'W' is five units wide and every other byte one;
// a display line ends behind the last run of spaces before the first word
// that does not fit, and the spaces at a break may hang past the window.
Lines Wrap_Proportional(const std::string& text, int window) {
  Lines display;
  for (const std::string& hard : Split_Lines(text).Strings()) {
    std::size_t start = 0;
    do {
      int used = 0;
      std::size_t end = start;
      std::size_t last_break = std::string::npos;
      while (end < hard.size()) {
        if (hard[end] == ' ') {
          ++used;
          ++end;
          last_break = end;
          continue;
        }
        const int w = hard[end] == 'W' ? 5 : 1;
        if (used + w > window && used > 0) break;
        used += w;
        ++end;
      }
      if (end < hard.size() && last_break != std::string::npos) end = last_break;
      display.push_back(hard.substr(start, end - start));
      start = end;
    } while (start < hard.size());
  }
  return display;
}

Lines Random_Document(std::mt19937& random) {
  static const char Alphabet[] = "ab  \tW";
  Lines lines;
  const int count = 2 + static_cast<int>(random() % 10);
  for (int i = 0; i < count; ++i) {
    std::string line;
    const int length = static_cast<int>(random() % 16);
    for (int k = 0; k < length; ++k) line += Alphabet[random() % (sizeof Alphabet - 1)];
    lines.push_back(line);
  }
  return lines;
}

}  // namespace

TEST(TextSmartFormat, JustifiesTheLinesOfEachParagraph) {
  const Lines lines = {"a b c d", "ab cd ef gh", "x y", "end.", " new para", "a  b c", "q"};
  const Rebuilt_Lines rebuilt = Smart_Format_Rebuild(lines);
  ASSERT_EQ(rebuilt.Max_Line_Length, 11u);
  EXPECT_EQ(Smart_Format_Justify(rebuilt.lines, rebuilt.Max_Line_Length),
            "a   b  c  d\r"
            "ab cd ef gh\r"
            "x         y\r"
            "end.\r"
            " new   para\r"
            "a      b  c\r"
            "q\r");
}

TEST(TextSmartFormat, RebuildTrimsEveryLineEnd) {
  const Rebuilt_Lines rebuilt = Smart_Format_Rebuild({"ab \t ", "c\td\x01", "   ", ""});
  EXPECT_EQ(rebuilt.lines.Strings(), (Lines{"ab", "c\td", "", ""}));
  EXPECT_EQ(rebuilt.Max_Line_Length, 3u);
  EXPECT_EQ(Join_Lines(rebuilt.lines), "ab\rc\td\r\r\r");
}

TEST(TextSmartFormat, LinesWithoutGapsStayAndTabsAreNoGaps) {
  EXPECT_EQ(Justify_Line("abc", 8), "abc");
  EXPECT_EQ(Justify_Line("  abc", 8), "  abc");
  EXPECT_EQ(Justify_Line("a\tb c", 7), "a\tb   c");
  EXPECT_EQ(Justify_Line("a b", 3), "a b");
}

TEST(TextSmartFormat, LastParagraphLineAndShortLinesAreSkipped) {
  EXPECT_FALSE(Smart_Format_Justifies("a b", "", 9));         // before an empty line
  EXPECT_FALSE(Smart_Format_Justifies("a b", " next", 9));    // before an indented line
  EXPECT_FALSE(Smart_Format_Justifies("a", "next", 9));       // too short
  EXPECT_FALSE(Smart_Format_Justifies("a b c d e", "x", 9));  // already the width
  EXPECT_TRUE(Smart_Format_Justifies("a b", "next", 9));
  EXPECT_TRUE(Smart_Format_Justifies("a b", "\tnext", 9));
}

TEST(TextSmartFormat, ParagraphWithoutSeparatorIsJustifiedToo) {
  const Rebuilt_Lines rebuilt = Smart_Format_Rebuild({"one two three", "end", "next para", "x y"});
  EXPECT_EQ(Smart_Format_Justify(rebuilt.lines, rebuilt.Max_Line_Length),
            "one two three\rend\rnext     para\rx y\r");
}

TEST(TextSmartFormat, TwoLineDocument) {
  EXPECT_TRUE(Smart_Format_Too_Short(Split_Lines("only one line\r").size()));
  EXPECT_TRUE(Smart_Format_Too_Short(Split_Lines("").size()));
  ASSERT_FALSE(Smart_Format_Too_Short(Split_Lines("a b\rlonger").size()));

  Rebuilt_Lines rebuilt = Smart_Format_Rebuild(Split_Lines("a b\rlonger"));
  EXPECT_EQ(Smart_Format_Justify(rebuilt.lines, rebuilt.Max_Line_Length), "a    b\rlonger\r");
  rebuilt = Smart_Format_Rebuild(Split_Lines("a b\r longer"));
  EXPECT_EQ(Smart_Format_Justify(rebuilt.lines, rebuilt.Max_Line_Length), "a b\r longer\r");
}

TEST(TextSmartFormat, SplitLinesCountsAsTheEditorDoes) {
  EXPECT_EQ(Split_Lines("a\rb").Strings(), (Lines{"a", "b"}));
  EXPECT_EQ(Split_Lines("a\rb\r").Strings(), (Lines{"a", "b"}));
  EXPECT_EQ(Split_Lines("a\r\r").Strings(), (Lines{"a", ""}));
  EXPECT_EQ(Split_Lines("\r").Strings(), (Lines{""}));
  EXPECT_TRUE(Split_Lines("").empty());
}

TEST(TextSmartFormat, WrappedParagraphBecomesHardLines) {
  // "aa bb cc dd ee ff" shown on three display lines, then an empty line.
  const std::string text = "aa bb cc dd ee ff g\r\rnext";
  const Line_List display = Cut_Display_Lines(text, {0, 9, 15, 20, 21});
  EXPECT_EQ(display.Strings(), (Lines{"aa bb cc ", "dd ee ", "ff g", "", "next"}));
  const Rebuilt_Lines rebuilt = Smart_Format_Rebuild(display);
  EXPECT_EQ(rebuilt.Max_Line_Length, 8u);
  EXPECT_EQ(Smart_Format_Justify(rebuilt.lines, rebuilt.Max_Line_Length),
            "aa bb cc\rdd    ee\rff g\r\rnext\r");
}

TEST(TextSmartFormat, CutDisplayLinesDropsOnlyTheEmptyLineBehindTheLastBreak) {
  EXPECT_EQ(Cut_Display_Lines("ab\r", {0, 3}).Strings(), (Lines{"ab"}));
  EXPECT_EQ(Cut_Display_Lines("ab\r\r", {0, 3, 4}).Strings(), (Lines{"ab", ""}));
  EXPECT_TRUE(Cut_Display_Lines("", {0}).empty());
  // Starts past the end are held to the text.
  EXPECT_EQ(Cut_Display_Lines("abcd", {0, 2, 9}).Strings(), (Lines{"ab", "cd"}));
}

TEST(TextSmartFormat, SameAsTheDisplayDrivenPassWhereNothingReWraps) {
  std::mt19937 random(2024);
  for (int round = 0; round < 300; ++round) {
    const Rebuilt_Lines rebuilt = Smart_Format_Rebuild(Random_Document(random));
    const std::string pass_one = Join_Lines(rebuilt.lines);
    EXPECT_EQ(Smart_Format_Justify(rebuilt.lines, rebuilt.Max_Line_Length),
              Justify_Through_Display(pass_one, rebuilt.Max_Line_Length, Hard_Lines))
        << "round " << round;
  }
}

TEST(TextSmartFormat, JustifiedLinesThatReWrapDoNotShiftTheLaterLines) {
  // Display lines of a proportional font in a window of 20 units.
  const auto wrap = [](const std::string& text) { return Wrap_Proportional(text, 20); };
  const std::string document = "abcdefghijklmnopqrs\rWW a b c\rnext line\r\rz";
  ASSERT_EQ(wrap(document), Split_Lines(document).Strings());  // everything fits before the pass
  const Rebuilt_Lines rebuilt = Smart_Format_Rebuild(wrap(document));
  ASSERT_EQ(rebuilt.Max_Line_Length, 19u);

  const std::string mended = Smart_Format_Justify(rebuilt.lines, rebuilt.Max_Line_Length);
  EXPECT_EQ(mended, "abcdefghijklmnopqrs\rWW     a     b    c\rnext line\r\rz\r");

  // Justified, the second line is 27 units wide and wraps after "a"; read
  // by display index, its tail "b    c" then counts as a line of its own
  // and is widened again, so the text line ends up far too long.
  const std::string by_display = Justify_Through_Display(Join_Lines(rebuilt.lines), 19, wrap);
  EXPECT_EQ(Split_Lines(by_display)[1], "WW     a     b" + std::string(17, ' ') + "c");
  EXPECT_NE(by_display, mended);
}

TEST(TextSmartFormat, LinesCutFromTheTextActAsLinesOfTheirOwn) {
  // Split lines keep the CRs and the trimmed tails in their buffer between
  // them; copied lines hold nothing else. Both must make the same document.
  std::mt19937 random(866);
  for (int round = 0; round < 300; ++round) {
    const Lines lines = Random_Document(random);
    std::string text;
    for (const std::string& line : lines) text += line + '\r';
    const Line_List split = Split_Lines(text);
    ASSERT_EQ(split.Strings(), lines);
    const Rebuilt_Lines from_text = Smart_Format_Rebuild(split);
    const Rebuilt_Lines from_copies = Smart_Format_Rebuild(lines);
    ASSERT_EQ(from_text.lines.Strings(), from_copies.lines.Strings());
    ASSERT_EQ(from_text.Max_Line_Length, from_copies.Max_Line_Length);
    EXPECT_EQ(Smart_Format_Justify(from_text.lines, from_text.Max_Line_Length),
              Smart_Format_Justify(from_copies.lines, from_copies.Max_Line_Length))
        << "round " << round;
  }
}

TEST(TextSmartFormat, PassesReportLineIndexesFromZero) {
  std::vector<std::int64_t> seen;
  const Position_Callback record = [&](std::int64_t p) { seen.push_back(p); };
  const Rebuilt_Lines rebuilt = Smart_Format_Rebuild({"a b", "cc", "d"}, record);
  Smart_Format_Justify(rebuilt.lines, rebuilt.Max_Line_Length, record);
  EXPECT_EQ(seen, (std::vector<std::int64_t>{0, 1, 2, 0, 1, 2}));
}

TEST(TextSmartFormat, WarningHasSixLines) {
  const std::string warning = Smart_Format_Warning;
  EXPECT_EQ(std::count(warning.begin(), warning.end(), '\r'), 5);
  EXPECT_EQ(warning.find('\n'), std::string::npos);
  EXPECT_EQ(warning.rfind("   Внимание!!!", 0), 0u);
  EXPECT_EQ(std::string(Smart_Format_Done).rfind("  Теперь,", 0), 0u);
}

namespace {

// A line of words up to twenty bytes long, single and double gaps, maybe an
// indent: longer words and shares than the short random documents give.
std::string Long_Random_Line(std::mt19937& random) {
  std::string line(random() % 3, ' ');
  const int words = 1 + static_cast<int>(random() % 9);
  for (int w = 0; w < words; ++w) {
    if (w > 0) line.append(1 + random() % 2, ' ');
    const int length = 1 + static_cast<int>(random() % 20);
    for (int k = 0; k < length; ++k) line += static_cast<char>('a' + random() % 26);
  }
  return line;
}

}  // namespace

// The counted shares must equal inserting one space at a time: on the lines
// of the short random documents, and on long words and wide shares.
TEST(TextSmartFormat, SpacesAreHandedOutOneInsertionAtATime) {
  const auto expect_stepped = [](const std::string& line, std::size_t width) {
    std::string stepped = Justify_Through_Display(line + "\rnext\r", width, Hard_Lines);
    stepped = stepped.substr(0, stepped.find('\r'));
    const std::string expected = line.size() >= 2 && width > line.size() ? stepped : line;
    EXPECT_EQ(Justify_Line(line, width), expected) << '[' << line << "] to " << width;
  };
  std::mt19937 random(7);
  for (int round = 0; round < 500; ++round) {
    const std::string line = Right_Trim(Random_Document(random)[0]);
    expect_stepped(line, line.size() + random() % 12);
  }
  std::mt19937 long_random(1251);
  for (int round = 0; round < 2000; ++round) {
    const std::string line = Long_Random_Line(long_random);
    expect_stepped(line, line.size() + long_random() % 60);
  }
}

TEST(TextSmartFormat, OneVeryLongLineWidensEveryShortOne) {
  // The document grows far past twice its own size.
  Lines lines(2000, "ab cd");
  lines.push_back(std::string(5000, 'x'));
  const std::string text = Smart_Format_Justify(lines, 5000);
  ASSERT_EQ(text.size(), 2000 * 5001 + 5001u);
  const std::string widened = "ab" + std::string(4996, ' ') + "cd\r";
  for (std::size_t k = 0; k < 2000; ++k) ASSERT_EQ(text.compare(k * 5001, 5001, widened), 0) << "line " << k;
  EXPECT_EQ(text.substr(2000 * 5001), std::string(5000, 'x') + "\r");
}
