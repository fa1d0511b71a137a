// The search logic against the real RichEdit control: its find with and
// without match case on Cyrillic text, whole words, replace, and go to line
// over wrapped and unwrapped text.
#include <windows.h>

#include <gtest/gtest.h>

#include "fakes/search_fakes.h"
#include "platform/win32/edit_area_win32.h"
#include "platform/win32/edit_search_win32.h"
#include "search/go_to_line.h"
#include "search/replace_command.h"
#include "common/win1251_unicode.h"

namespace {

std::string W(const std::string& utf8) { return Utf8_To_Win1251(utf8); }

class Search_Rich_Edit : public ::testing::Test {
 protected:
  HWND parent = nullptr;
  Rich_Edit edit;
  Rich_Edit_Search* search = nullptr;
  Fake_Search_Ui ui;
  Fake_Keyboard keys;
  Search_State state;
  // Replace all, which takes the whole text, is tested over the main window.
  Fake_Edit no_text;
  Fake_Whole_Text whole{no_text};
  Fake_Panels panels;

  void Make(bool wrap, int width = 600) {
    parent = CreateWindowExW(0, L"STATIC", L"search test", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10,
                             width + 40, 300, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND control = Rich_Edit::Create(parent, 1, wrap);
    ASSERT_NE(control, nullptr);
    MoveWindow(control, 0, 0, width, 260, TRUE);
    edit.Attach(control);
    search = new Rich_Edit_Search(control);
  }
  void SetUp() override { Make(false); }
  void TearDown() override {
    delete search;
    DestroyWindow(parent);
  }
  void Load(const std::string& utf8, int32_t start = 0, int32_t end = 0) {
    edit.Set_Text(W(utf8));
    edit.Set_Selection(start, end);
  }
  Search_Context Context() { return {edit, *search, ui, keys, state, whole, panels}; }
  Step_Result Step(const std::string& what, bool match_case) {
    Search_Context c = Context();
    return Search_Step(c, {W(what), match_case}, kFindAgainQuestion, true);
  }
  std::pair<int32_t, int32_t> Sel() {
    const Selection s = edit.Get_Selection();
    return {s.Start, s.End};
  }
};

TEST_F(Search_Rich_Edit, FindsForwardFromTheCaretIncludingAMatchRightAtIt) {
  Load("кот и кот и кот", 6, 6);
  EXPECT_EQ(search->Find(W("кот"), 6, edit.Text_Length(), {}), 6);
  EXPECT_EQ(search->Find(W("кот"), 7, edit.Text_Length(), {}), 12);
  EXPECT_EQ(search->Find(W("кот"), 13, edit.Text_Length(), {}), -1);
  EXPECT_EQ(search->Find(W("пёс"), 0, edit.Text_Length(), {}), -1);
  // A match must end within the range.
  EXPECT_EQ(search->Find(W("кот"), 0, 2, {}), -1);
}

TEST_F(Search_Rich_Edit, MatchCaseDecidesForCyrillicCapitals) {
  Load("Ёжик ЁЖИК ёжик");
  EXPECT_EQ(Step("ёжик", false), Step_Result::Found);
  EXPECT_EQ(Sel(), std::make_pair(0, 4));
  Step("ёжик", false);
  EXPECT_EQ(Sel(), std::make_pair(5, 9));
  edit.Set_Selection(0, 0);
  Step("ёжик", true);
  EXPECT_EQ(Sel(), std::make_pair(10, 14));
  edit.Set_Selection(0, 0);
  Step("ЁЖИК", true);
  EXPECT_EQ(Sel(), std::make_pair(5, 9));
  EXPECT_EQ(state.Search_Count, 4);
}

TEST_F(Search_Rich_Edit, SuccessiveFindsWalkOnAndOverlapsAreSkipped) {
  Load("ааа");
  Step("аа", false);
  EXPECT_EQ(Sel(), std::make_pair(0, 2));
  EXPECT_EQ(Step("аа", false), Step_Result::Cancelled);
  EXPECT_EQ(Sel(), std::make_pair(0, 2));
  ui.answers = {true};
  Load("слово, ещё слово", 12, 12);
  EXPECT_EQ(Step("СЛОВО", false), Step_Result::Found);
  EXPECT_EQ(Sel(), std::make_pair(0, 5));
}

TEST_F(Search_Rich_Edit, WholeWordFindsCyrillicWordsOnly) {
  Load("подслово слово словом");
  EXPECT_EQ(search->Find(W("слово"), 0, edit.Text_Length(), {false, true}), 9);
  EXPECT_EQ(search->Find(W("СЛОВО"), 10, edit.Text_Length(), {false, true}), -1);
}

TEST_F(Search_Rich_Edit, ReplaceSelectsTheInsertedTextThenTheNextMatch) {
  Load("xx abc abc", 0, 2);
  Search_Context c = Context();
  Replace_Selection_And_Find(c, {"abc", false}, "Q");
  EXPECT_EQ(edit.Text(), "Q abc abc");
  EXPECT_EQ(Sel(), std::make_pair(2, 5));
}

const char* const Lines =
    "начало\rслово слово слово слово слово слово слово слово слово слово слово слово "
    "слово слово слово слово слово слово слово слово слово слово слово\r  конец\r--\r";

TEST_F(Search_Rich_Edit, GoToLineWithoutWrap) {
  Load(Lines, 3, 3);
  Go_To_Line_Command(edit, *search, ui, "3");
  const int32_t end_word = int32_t(W(Lines).find(W("конец")));
  EXPECT_EQ(Sel(), std::make_pair(end_word, end_word));
  Go_To_Line_Command(edit, *search, ui, "4");
  EXPECT_EQ(Sel(), std::make_pair(end_word + 6, end_word + 6));
  Go_To_Line_Command(edit, *search, ui, "2");
  EXPECT_EQ(Sel(), std::make_pair(7, 7));
  Go_To_Line_Command(edit, *search, ui, "5");
  EXPECT_EQ(Sel(), std::make_pair(edit.Text_Length(), edit.Text_Length()));
  ASSERT_EQ(ui.notices.size(), 1u);
  EXPECT_EQ(ui.notices[0], kGoToLineMissing);
}

class Search_Rich_Edit_Wrapped : public Search_Rich_Edit {
 protected:
  void SetUp() override { Make(true, 200); }
};

TEST_F(Search_Rich_Edit_Wrapped, GoToLineCountsDisplayLines) {
  Load(Lines);
  const int32_t end_word = int32_t(W(Lines).find(W("конец")));
  const int32_t end_line = edit.Line_From_Char(end_word);
  ASSERT_GT(end_line, 3) << "the long paragraph should wrap";
  Go_To_Line_Command(edit, *search, ui, std::to_string(end_line + 1));
  EXPECT_EQ(Sel(), std::make_pair(end_word, end_word));
  // Every display line of the wrapped paragraph holds the same words: each
  // is reached all the same, at its own start.
  for (int32_t line = 2; line < end_line; ++line) {
    Go_To_Line_Command(edit, *search, ui, std::to_string(line + 1));
    EXPECT_EQ(edit.Line_From_Char(Sel().first), line);
    EXPECT_EQ(Sel().first, edit.Line_Index(line)) << line;
  }
  EXPECT_TRUE(ui.notices.empty());
}

}  // namespace
