// Replace and replace all over the fake edit area.
#include <gtest/gtest.h>

#include "fakes/search_fakes.h"
#include "search/replace_command.h"
#include "common/win1251_unicode.h"

namespace {

std::string W(const std::string& utf8) { return Utf8_To_Win1251(utf8); }

// Notes whether the main window refused input at every replacement.
class Watching_Search : public Fake_Edit_Search {
 public:
  Watching_Search(Fake_Edit& edit, const Fake_Search_Ui& ui, const Search_State& state)
      : Fake_Edit_Search(edit), ui_(ui), state_(state) {}
  std::vector<bool> enabled_at_replacement;
  std::vector<int32_t> count_at_replacement;
  void Replace_Selection_Plain(const std::string& t) override {
    enabled_at_replacement.push_back(ui_.window_enabled);
    count_at_replacement.push_back(state_.Search_Count);
    Fake_Edit_Search::Replace_Selection_Plain(t);
  }

 private:
  const Fake_Search_Ui& ui_;
  const Search_State& state_;
};

class Replace : public ::testing::Test {
 protected:
  Fake_Edit edit;
  Fake_Search_Ui ui;
  Search_State state;
  Watching_Search search{edit, ui, state};
  Fake_Keyboard keys;
  Search_Context c{edit, search, ui, keys, state};

  void Text(const std::string& utf8, int32_t start = 0, int32_t end = 0) {
    edit.text = W(utf8);
    edit.sel = {start, end};
  }
  std::string Now() const { return Win1251_To_Utf8(edit.text); }
  std::pair<int32_t, int32_t> Sel() const { return {edit.sel.Start, edit.sel.End}; }
  void All(const std::string& what, const std::string& with, bool match_case = false) {
    Replace_All(c, {W(what), match_case}, W(with));
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
  // Disabled for each pass, enabled again before each question.
  EXPECT_EQ(ui.enabled_log, (std::vector<bool>{false, true, false, true}));
  EXPECT_TRUE(ui.enabled_when_asked);
  for (bool enabled : search.enabled_at_replacement) EXPECT_FALSE(enabled);
}

TEST_F(Replace, AllReplacesAdjacentOccurrencesWithARepaintAfterEach) {
  Text("яяяя");
  All("я", "b");
  EXPECT_EQ(Now(), "bbbb");
  EXPECT_EQ(state.Search_Count, 4);
  EXPECT_EQ(ui.pumps, 4);
  // Each replacement already shows its own count in the status bar.
  EXPECT_EQ(search.count_at_replacement, (std::vector<int32_t>{1, 2, 3, 4}));
}

TEST_F(Replace, AllStartsBehindTheSelectionWhichItReplacesFirst) {
  Text("ab ab ab", 3, 5);
  All("ab", "X");
  EXPECT_EQ(Now(), "ab X X");
  EXPECT_EQ(state.Search_Count, 2);
}

TEST_F(Replace, AllWithoutAnyOccurrenceAsksAtOnce) {
  Text("xyz");
  All("q", "Q");
  EXPECT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(state.Search_Count, 0);
  Text("xyz", 1, 2);
  All("q", "Q");
  EXPECT_EQ(Now(), "xQz");
  EXPECT_EQ(state.Search_Count, 1);
}

TEST_F(Replace, AllFollowsMatchCase) {
  Text("Да да ДА");
  All("да", "нет", true);
  EXPECT_EQ(Now(), "Да нет ДА");
  Text("Да да ДА");
  All("да", "нет");
  EXPECT_EQ(Now(), "нет нет нет");
}

TEST_F(Replace, AllWithEqualTextsBeepsAfterReplacingTheSelection) {
  Text("ab zz ab", 3, 5);
  All("ab", "ab");
  EXPECT_EQ(Now(), "ab ab ab");
  EXPECT_EQ(state.Search_Count, 1);
  EXPECT_EQ(ui.beeps, 1);
  EXPECT_EQ(search.finds, 0);
  EXPECT_TRUE(ui.asked.empty());
  EXPECT_TRUE(ui.window_enabled);
  EXPECT_EQ(Sel(), std::make_pair(8, 8));
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

TEST_F(Replace, AllMayDeleteEveryOccurrence) {
  Text("a-b-c");
  All("-", "");
  EXPECT_EQ(Now(), "abc");
  EXPECT_EQ(state.Search_Count, 2);
}

}  // namespace
