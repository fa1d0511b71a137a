// Go to line over the fake edit area, whose lines are its paragraphs.
#include <gtest/gtest.h>

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
  void Lines(std::initializer_list<const char*> lines) {
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

TEST_F(Go_To_Line, IndentedLineGetsTheCaretOnItsFirstLetter) {
  Lines({"один", "два", "три", "четыре", "  слово"});
  EXPECT_EQ(Go("5"), Start_Of(4) + 2);
  EXPECT_TRUE(ui.notices.empty());
}

TEST_F(Go_To_Line, LineOneLeavesTheCaretAtTheVeryStart) {
  Lines({"   отступ", "два"});
  EXPECT_EQ(Go("1"), 0);
}

TEST_F(Go_To_Line, TextRepeatedOnAnEarlierLineStillLandsOnTheWantedLine) {
  Lines({"слово", "это слово", "x", "Слово"});
  EXPECT_EQ(Go("4"), Start_Of(3));
  EXPECT_EQ(Go("2"), Start_Of(1));
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

TEST_F(Go_To_Line, BlankLinesAreReachedAtTheirStart) {
  Lines({"a", "", " \t", "", "b"});
  EXPECT_EQ(Go("2"), Start_Of(1));
  EXPECT_EQ(Go("3"), Start_Of(2));
  EXPECT_EQ(Go("4"), Start_Of(3));
  EXPECT_TRUE(ui.notices.empty());
}

TEST_F(Go_To_Line, CancelAndAnEmptyFieldChangeNothing) {
  Lines({"a", "b"});
  Go_To_Line_Command(edit, search, ui, "");
  EXPECT_EQ(edit.sel.Start, 3);
  EXPECT_TRUE(ui.notices.empty());
}

TEST_F(Go_To_Line, ANumberFollowedByLettersIsRejected) {
  Lines({"a", "b", "c"});
  Go_To_Line_Command(edit, search, ui, "12abc");
  ASSERT_EQ(ui.notices.size(), 1u);
  EXPECT_EQ(ui.notices[0], "Введено что-то совсем несуразное!");
  EXPECT_EQ(edit.sel.Start, 3);
  Go_To_Line_Command(edit, search, ui, "два");
  EXPECT_EQ(ui.notices.size(), 2u);
}

TEST_F(Go_To_Line, NumbersBelowOneMeanLineOne) {
  Lines({"  a", "b"});
  EXPECT_EQ(Go("0"), 0);
  EXPECT_EQ(Go("-3"), 0);
  Lines({"", "b"});
  EXPECT_EQ(Go("-1"), 0);
  EXPECT_TRUE(ui.notices.empty());
}

TEST_F(Go_To_Line, PastTheLastNonBlankLineGoesToTheEndWithANotice) {
  Lines({"a", "b", "", "  "});
  EXPECT_EQ(Go("3"), int32_t(edit.text.size()));
  ASSERT_EQ(ui.notices.size(), 1u);
  EXPECT_EQ(ui.notices[0], "Искомая строка не найдена. Курсор поставлен в конец текста.");
  EXPECT_EQ(Go("9"), int32_t(edit.text.size()));
  EXPECT_EQ(Go("2147483647"), int32_t(edit.text.size()));
  EXPECT_EQ(ui.notices.size(), 3u);
}

TEST_F(Go_To_Line, ALineOfSignsIsReachedThoughItIsNoWholeWord) {
  Lines({"a", "--", "  (1)", "***"});
  EXPECT_EQ(Go("2"), Start_Of(1));
  EXPECT_EQ(Go("3"), Start_Of(2) + 2);
  EXPECT_EQ(Go("4"), Start_Of(3));
  EXPECT_TRUE(ui.notices.empty());
}

TEST_F(Go_To_Line, OtherWrittenFormsOfANumber) {
  Lines({"a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k"});
  EXPECT_EQ(Go(" 3"), Start_Of(2));
  EXPECT_EQ(Go("10 "), Start_Of(9));
  EXPECT_EQ(Go("\t4\t "), Start_Of(3));
  EXPECT_EQ(Go("$A"), Start_Of(9));
  EXPECT_EQ(Go("+11"), Start_Of(10));
  EXPECT_TRUE(ui.notices.empty());
  Go_To_Line_Command(edit, search, ui, "3 4");
  Go_To_Line_Command(edit, search, ui, "  ");
  EXPECT_EQ(ui.notices.size(), 2u);
}

TEST(Go_To_Line_Trim, DropsControlCharactersButNotCyrillicLetters) {
  EXPECT_EQ(Trim_Blanks("\t " + Utf8_To_Win1251("я ю") + " \x01\r"), Utf8_To_Win1251("я ю"));
  EXPECT_EQ(Trim_Blanks(" \x1f "), "");
  EXPECT_EQ(Trim_Blanks("\xA0x\xA0"), "\xA0x\xA0");
}

}  // namespace
