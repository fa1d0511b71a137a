// Go to line over the fake edit area, whose lines are its paragraphs.
#include <gtest/gtest.h>

#include <vector>

#include "fakes/search_fakes.h"
#include "search/go_to_line.h"
#include "common/win1251_unicode.h"

namespace {

class Go_To_Line : public ::testing::Test {
 protected:
  Fake_Edit edit;
  Fake_Edit_Search search{edit};
  Fake_Search_Ui ui;

  // Lines joined with CR, the working text's line break.
  void Lines(const std::vector<const char*>& lines) {
    std::string text;
    for (const char* line : lines) text += Utf8_To_Win1251(line) + "\r";
    text.pop_back();
    edit.text = text;
    edit.sel = {3, 3};
  }
  int32_t Go(const std::string& typed) {
    Go_To_Line_Command(edit, search, ui, typed);
    EXPECT_EQ(edit.sel.Start, edit.sel.End);
    return edit.sel.Start;
  }
  int32_t Start_Of(int32_t line) { return edit.Line_Index(line); }
};

// One typed request and where it leaves the caret: on `line` past `column`
// blanks, at the text's end, or where it stood; `notice` when it says so.
constexpr int32_t kEnd = -1, kStays = -2;
struct Go_Step {
  const char* typed;
  int32_t line, column;
  const char* notice = nullptr;
};
struct Go_Case {
  const char* name;
  std::vector<const char*> lines;
  std::vector<Go_Step> steps;
};

const char kNotANumber[] = "Введено что-то совсем несуразное!";
const char kPastTheEnd[] = "Искомая строка не найдена. Курсор поставлен в конец текста.";

TEST_F(Go_To_Line, EachRequestLandsWhereTheUserMeantOrSaysWhyNot) {
  const Go_Case cases[] = {
      {"an indented line: its first letter", {"один", "два", "три", "четыре", "  слово"}, {{"5", 4, 2}}},
      {"line one: the very start", {"   отступ", "два"}, {{"1", 0, 0}}},
      {"text repeated earlier", {"слово", "это слово", "x", "Слово"}, {{"4", 3, 0}, {"2", 1, 0}}},
      {"blank lines: their start", {"a", "", " \t", "", "b"}, {{"2", 1, 0}, {"3", 2, 0}, {"4", 3, 0}}},
      {"cancel or an empty field", {"a", "b"}, {{"", kStays, 0}}},
      {"a number followed by letters",
       {"a", "b", "c"},
       {{"12abc", kStays, 0, kNotANumber}, {"два", kStays, 0, kNotANumber}}},
      {"below one is line one", {"  a", "b"}, {{"0", 0, 0}, {"-3", 0, 0}}},
      {"below one, line one blank", {"", "b"}, {{"-1", 0, 0}}},
      {"past the last non-blank line",
       {"a", "b", "", "  "},
       {{"3", kEnd, 0, kPastTheEnd}, {"9", kEnd, 0, kPastTheEnd}, {"2147483647", kEnd, 0, kPastTheEnd}}},
      {"lines of signs, no whole words",
       {"a", "--", "  (1)", "***"},
       {{"2", 1, 0}, {"3", 2, 2}, {"4", 3, 0}}},
      {"other written forms of a number",
       {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"},
       {{" 3", 2, 0},
        {"10 ", 9, 0},
        {"\t4\t ", 3, 0},
        {"$A", 9, 0},
        {"+11", 10, 0},
        {"3 4", kStays, 0, kNotANumber},
        {"  ", kStays, 0, kNotANumber}}},
  };
  for (const Go_Case& c : cases) {
    Lines(c.lines);
    ui.notices.clear();
    size_t notices = 0;
    for (const Go_Step& step : c.steps) {
      const int32_t before = edit.sel.Start;
      const int32_t expected = step.line == kStays ? before
                               : step.line == kEnd ? int32_t(edit.text.size())
                                                   : Start_Of(step.line) + step.column;
      EXPECT_EQ(Go(step.typed), expected) << c.name << ", typed [" << step.typed << "]";
      if (step.notice) ++notices;
      ASSERT_EQ(ui.notices.size(), notices) << c.name << ", typed [" << step.typed << "]";
      if (step.notice) {
        EXPECT_EQ(ui.notices.back(), step.notice) << c.name << ", typed [" << step.typed << "]";
      }
    }
  }
}

// Every request to the control costs as much as the text before the place
// asked for, so the earlier copies of a line must not be asked for one by one.
TEST_F(Go_To_Line, ManyEarlierCopiesOfTheLineCostOneRead) {
  std::string text;
  for (int i = 0; i < 2000; ++i) text += "same line\r";
  edit.text = text + "same line";
  EXPECT_EQ(Go("2001"), Start_Of(2000));
  EXPECT_EQ(Go("1000"), Start_Of(999));
  EXPECT_EQ(search.finds, 0);
  EXPECT_LE(search.ranges_read, 4);
}

TEST(Go_To_Line_Trim, DropsControlCharactersButNotCyrillicLetters) {
  EXPECT_EQ(Trim_Blanks("\t " + Utf8_To_Win1251("я ю") + " \x01\r"), Utf8_To_Win1251("я ю"));
  EXPECT_EQ(Trim_Blanks(" \x1f "), "");
  EXPECT_EQ(Trim_Blanks("\xA0x\xA0"), "\xA0x\xA0");
}

}  // namespace
