// Replace and replace all over the fake edit area.
#include <gtest/gtest.h>

#include "fakes/search_fakes.h"
#include "search/replace_command.h"
#include "search/replace_pass.h"
#include "common/win1251_unicode.h"

namespace {

std::string W(const std::string& utf8) { return Utf8_To_Win1251(utf8); }

// Notes the counter as the new text comes in, as the status refresh sees it.
class Watching_Whole : public Fake_Whole_Text {
 public:
  Watching_Whole(Fake_Edit& edit, const Search_State& state) : Fake_Whole_Text(edit), state_(state) {}
  std::vector<int32_t> count_at_replacement;
  void Replace_Whole_Text(const std::wstring& text, bool undoable) override {
    count_at_replacement.push_back(state_.Search_Count);
    Fake_Whole_Text::Replace_Whole_Text(text, undoable);
  }

 private:
  const Search_State& state_;
};

class Replace : public ::testing::Test {
 protected:
  Fake_Edit edit;
  Fake_Search_Ui ui;
  Search_State state;
  Fake_Edit_Search search{edit};
  Fake_Keyboard keys;
  Watching_Whole whole{edit, state};
  Fake_Panels panels;
  Search_Context c{edit, search, ui, keys, state, whole, panels};

  void Text(const std::string& utf8, int32_t start = 0, int32_t end = 0) {
    edit.text = W(utf8);
    edit.sel = {start, end};
  }
  std::string Now() const { return Win1251_To_Utf8(edit.text); }
  std::pair<int32_t, int32_t> Sel() const { return {edit.sel.Start, edit.sel.End}; }
  void All(const std::string& what, const std::string& with, bool match_case = false) {
    Replace_All(c, {W(what), match_case}, W(with));
  }
  // Every pass went in as one undo step, through no search of the control.
  void Expect_Whole_Text_Passes(std::vector<std::string> before_each) {
    for (std::string& text : before_each) text = W(text);
    EXPECT_EQ(whole.undo, before_each);
    EXPECT_EQ(search.finds, 0);
    EXPECT_TRUE(search.plain_replacements.empty());
  }
};

TEST_F(Replace, ReplacesWhateverIsSelectedThenSelectsTheNextMatch) {
  Text("xx abc abc", 0, 2);
  Replace_Selection_And_Find(c, {"abc", false}, "Q");
  EXPECT_EQ(Now(), "Q abc abc");
  EXPECT_EQ(Sel(), std::make_pair(2, 5));
  EXPECT_EQ(state.Search_Count, 1);
  EXPECT_EQ(search.plain_replacements, std::vector<std::string>{"Q"});
}

TEST_F(Replace, WithoutASelectionOnlySearches) {
  Text("abc abc");
  Replace_Selection_And_Find(c, {"abc", false}, "Q");
  EXPECT_EQ(Now(), "abc abc");
  EXPECT_EQ(Sel(), std::make_pair(0, 3));
  EXPECT_EQ(state.Search_Count, 0);
}

TEST_F(Replace, FindNextNeitherCountsNorPassesTheLastMatchWithoutAsking) {
  Text("abc abc", 4, 7);
  Find_Next_For_Replace(c, {"abc", false});
  EXPECT_EQ(state.Search_Count, 0);
  ASSERT_EQ(ui.asked.size(), 1u);
  // Two lines joined by a single LF.
  EXPECT_EQ(ui.asked[0],
            "Усе шо было заменил. А может и вообще не нашел,\nчто менять...! Попытаться менять сначала?");
  EXPECT_EQ(ui.asked[0].find('\r'), std::string::npos);
  EXPECT_EQ(Sel(), std::make_pair(4, 7));
}

TEST_F(Replace, ReplaceComesBackToTheLayoutBeforeTheButton) {
  Text("abc abc", 0, 3);
  keys.current = 0x04090409u;
  Replace_Selection_And_Find(c, {"abc", false}, "Q");
  EXPECT_EQ(keys.activated.back(), "00000409");
  EXPECT_EQ(keys.current, 0x04090409u);
}

TEST_F(Replace, AllWithADoublingReplacementGoesOncePerPass) {
  Text("а б а");
  ui.answers = {true, false};
  All("а", "аа");
  EXPECT_EQ(Now(), "аааа б аааа");
  EXPECT_EQ(state.Search_Count, 2 + 4);
  EXPECT_EQ(ui.asked.size(), 2u);
  EXPECT_EQ(Sel(), std::make_pair(int32_t(edit.text.size()), int32_t(edit.text.size())));
  Expect_Whole_Text_Passes({"а б а", "аа б аа"});
  EXPECT_EQ(whole.takes, 2);
  // Input refused for each pass, given back before each question.
  EXPECT_EQ(ui.enabled_log, (std::vector<bool>{false, true, false, true}));
  EXPECT_TRUE(ui.enabled_when_asked);
  // Each pass is counted before its text goes in, so the status bar shows it.
  EXPECT_EQ(whole.count_at_replacement, (std::vector<int32_t>{2, 6}));
}

TEST_F(Replace, AllIsOneWalkUnderTheProgressDisplayWhateverTheMatches) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "кот и ";
  Text(text, 3, 3);
  panels.panels[2] = " Всего замен: 0";
  std::vector<std::string> label, marks;
  ui.on_pump = [&] {
    label.push_back(panels.panels[2]);
    marks.push_back(panels.panels[3]);
  };
  All("КОТ", "пёс");
  EXPECT_EQ(state.Search_Count, 19999);  // the first one stands before the caret
  EXPECT_EQ(edit.text.substr(0, 12), W("кот и пёс и "));
  EXPECT_EQ(edit.text.find(W("кот"), 1), std::string::npos);
  Expect_Whole_Text_Passes({text});
  EXPECT_EQ(whole.takes, 1);
  ASSERT_GE(marks.size(), 20u);
  EXPECT_EQ(label.front(), "Делаю:");
  EXPECT_EQ(marks.front(), "|");
  EXPECT_EQ(marks.back(), std::string(100, '|'));
  EXPECT_EQ(panels.panels[2], " Всего замен: 0");  // the refresh of the real window writes the count
  EXPECT_EQ(panels.panels[3], "");
}

TEST_F(Replace, EscStopsAPassBeforeItsTextGoesIn) {
  std::string text;
  for (int i = 0; i < 20000; ++i) text += "кот и ";
  Text(text, 6, 9);
  ui.answers = {true};
  ui.stop_at_pump = 3;
  All("кот", "пёс");
  EXPECT_EQ(edit.text, W(text));
  EXPECT_EQ(Sel(), std::make_pair(6, 9));
  EXPECT_EQ(state.Search_Count, 0);
  EXPECT_TRUE(whole.undo.empty());
  EXPECT_FALSE(edit.modified);
  EXPECT_TRUE(ui.asked.empty());
  EXPECT_EQ(panels.panels[1], " Команда прервана");
  EXPECT_TRUE(ui.window_enabled);
  EXPECT_EQ(keys.current, 0x04090409u);

  // Stopped in the second pass, the first pass's text stays as its own step.
  Text("кот кот", 0, 0);
  ui.pumps = 0;
  ui.answers = {true};
  ui.stop_at_pump = 3;  // the first pass takes two pumps: its one mark and its full bar
  All("кот", "пёс");
  EXPECT_EQ(Now(), "пёс пёс");
  Expect_Whole_Text_Passes({"кот кот"});
  EXPECT_EQ(ui.asked.size(), 1u);
}

TEST_F(Replace, APassReadsTheTextAsFindDoesAndKeepsWhatLiesBetween) {
  const std::wstring emoji{wchar_t(0xD83D), wchar_t(0xDE00)};
  const std::wstring text = L"Кот " + emoji + L" кОт €?";
  const Replaced_Text done = Replace_Matches(text, 0, W("кот"), W("пёс"), {false, false});
  EXPECT_EQ(done.Text, L"пёс " + emoji + L" пёс €?");
  EXPECT_EQ(done.Count, 2);
  EXPECT_EQ(Replace_Matches(text, 1, W("кот"), "x", {true, false}).Count, 0);
  // A character the page lacks reads as '?', as find sees it.
  EXPECT_EQ(Replace_Matches(text, 0, "?", "", {}).Text, L"Кот  кОт €");
  // Whole words as find has them.
  EXPECT_EQ(Replace_Matches(L"ab abc ab", 0, "ab", "X", {false, true}).Text, L"X abc X");
}

TEST_F(Replace, AllWithoutAnyOccurrenceAsksAtOnceAndLeavesTheTextAlone) {
  Text("xyz");
  All("q", "Q");
  EXPECT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(state.Search_Count, 0);
  EXPECT_FALSE(edit.modified);
  EXPECT_TRUE(whole.undo.empty());
}

// Replace all starts behind the selection, which it replaces first, follows
// match case and may delete what it finds.
TEST_F(Replace, AllReplacesFromTheSelectionOnAsMatchCaseSays) {
  const struct {
    const char* text;
    int32_t start, end;
    const char *what, *with;
    bool match_case;
    const char* after;
    int32_t count;
  } cases[] = {
      {"ab ab ab", 3, 5, "ab", "X", false, "ab X X", 2},
      {"xyz", 1, 2, "q", "Q", false, "xQz", 1},
      {"Да да ДА", 0, 0, "да", "нет", true, "Да нет ДА", 1},
      {"Да да ДА", 0, 0, "да", "нет", false, "нет нет нет", 3},
      {"ё ё ё", 0, 0, "Ё", "ЁЁ", false, "ЁЁ ЁЁ ЁЁ", 3},
      {"a-b-c", 0, 0, "-", "", false, "abc", 2},
  };
  for (const auto& c : cases) {
    Text(c.text, c.start, c.end);
    state.Search_Count = 0;
    All(c.what, c.with, c.match_case);
    EXPECT_EQ(Now(), c.after) << c.text << " / " << c.what;
    EXPECT_EQ(state.Search_Count, c.count) << c.text << " / " << c.what;
  }
}

TEST_F(Replace, AllWithEqualTextsBeepsAfterReplacingTheSelection) {
  Text("ab zz ab", 3, 5);
  All("ab", "ab");
  EXPECT_EQ(Now(), "ab ab ab");
  EXPECT_EQ(state.Search_Count, 1);
  EXPECT_EQ(ui.beeps, 1);
  EXPECT_TRUE(ui.asked.empty());
  EXPECT_TRUE(ui.window_enabled);
  EXPECT_EQ(Sel(), std::make_pair(8, 8));
  Expect_Whole_Text_Passes({"ab zz ab"});
}

TEST_F(Replace, AllWithAnEmptyFindTextBeepsAndStops) {
  Text("abc", 1, 2);
  All("", "x");
  EXPECT_EQ(Now(), "abc");
  EXPECT_EQ(ui.beeps, 1);
  EXPECT_EQ(search.finds, 0);
  EXPECT_TRUE(ui.enabled_log.empty());
  EXPECT_EQ(Sel(), std::make_pair(1, 2));
  // The Replace dialog's find-next and replace buttons stop the same way.
  Replace_Selection_And_Find(c, {"", false}, "x");
  EXPECT_EQ(ui.beeps, 2);
  EXPECT_TRUE(ui.asked.empty());
}

}  // namespace
