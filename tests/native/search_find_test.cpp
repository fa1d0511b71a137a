// Find, find next and the dialogs' bookkeeping over the fake edit area.
#include <gtest/gtest.h>

#include "fakes/search_fakes.h"
#include "search/find_command.h"
#include "common/win1251_unicode.h"

namespace {

std::string W(const std::string& utf8) { return Utf8_To_Win1251(utf8); }

// Notes the counter at every selection change, as the status refresh sees it.
class Counting_Edit : public Fake_Edit {
 public:
  const Search_State* state = nullptr;
  std::vector<int32_t> counts_seen;
  void Set_Selection(int32_t s, int32_t e) override {
    counts_seen.push_back(state->Search_Count);
    Fake_Edit::Set_Selection(s, e);
  }
};

class Find : public ::testing::Test {
 protected:
  Counting_Edit edit;
  Fake_Edit_Search search{edit};
  Fake_Search_Ui ui;
  Fake_Keyboard keys;
  Search_State state;
  Fake_Whole_Text whole{edit};
  Fake_Panels panels;
  Search_Context c{edit, search, ui, keys, state, whole, panels};
  Memory_Profile profile;
  Settings_File file{profile};

  void SetUp() override { edit.state = &state; }
  void Text(const std::string& utf8, int32_t start = 0, int32_t end = 0) {
    edit.text = W(utf8);
    edit.sel = {start, end};
  }
  Step_Result Step(const std::string& what, bool match_case = false) {
    return Search_Step(c, {W(what), match_case}, kFindAgainQuestion, true);
  }
  std::pair<int32_t, int32_t> Sel() const { return {edit.sel.Start, edit.sel.End}; }
};

TEST_F(Find, StartsAtTheCaretOrJustBehindTheSelection) {
  Text("abc abc", 4, 4);
  EXPECT_EQ(Step("abc"), Step_Result::Found);
  EXPECT_EQ(Sel(), std::make_pair(4, 7));
  Text("abcabc", 0, 3);
  Step("abc");
  EXPECT_EQ(Sel(), std::make_pair(3, 6));
  // A reversed selection still starts behind its far end.
  EXPECT_EQ(Search_Start({5, 2}), 5);
}

TEST_F(Find, SuccessiveStepsWalkThroughMatchesThenAsk) {
  Text("ab ab ab");
  for (int32_t at : {0, 3, 6}) {
    EXPECT_EQ(Step("ab"), Step_Result::Found);
    EXPECT_EQ(Sel(), std::make_pair(at, at + 2));
  }
  EXPECT_EQ(Step("ab"), Step_Result::Cancelled);
  EXPECT_EQ(Sel(), std::make_pair(6, 8));
  EXPECT_EQ(state.Search_Count, 3);
  ASSERT_EQ(ui.asked.size(), 1u);
  EXPECT_EQ(ui.asked[0], kFindAgainQuestion);
}

TEST_F(Find, OverlappingOccurrencesAreNotFoundOneByOne) {
  Text("aaa");
  Step("aa");
  EXPECT_EQ(Sel(), std::make_pair(0, 2));
  EXPECT_EQ(Step("aa"), Step_Result::Cancelled);
  EXPECT_EQ(ui.asked.size(), 1u);
}

TEST_F(Find, MatchCaseDecidesForCyrillicCapitals) {
  Text("Москва МОСКВА москва");
  Step("москва");
  EXPECT_EQ(Sel(), std::make_pair(0, 6));
  Step("москва");
  EXPECT_EQ(Sel(), std::make_pair(7, 13));
  edit.sel = {0, 0};
  Step("москва", true);
  EXPECT_EQ(Sel(), std::make_pair(14, 20));
  edit.sel = {0, 0};
  Step("МОСКВА", true);
  EXPECT_EQ(Sel(), std::make_pair(7, 13));
  Text("ёлка ЁЛКА");
  Step("ЁЛКА");
  EXPECT_EQ(Sel(), std::make_pair(0, 4));
}

TEST_F(Find, OkStartsOverFromTheTopAndFindsAMatchBeforeTheCaret) {
  Text("слово и ещё", 8, 8);
  ui.answers = {true};
  EXPECT_EQ(Step("слово"), Step_Result::Found);
  EXPECT_EQ(Sel(), std::make_pair(0, 5));
  EXPECT_EQ(ui.asked.size(), 1u);
}

// Without any match, Cancel leaves the selection and every OK asks again.
TEST_F(Find, WithoutAnyMatchCancelLeavesTheSelectionAndEveryOkAsksAgain) {
  Text("abcdef", 1, 3);
  EXPECT_EQ(Step("zz"), Step_Result::Cancelled);
  EXPECT_EQ(Sel(), std::make_pair(1, 3));
  EXPECT_EQ(search.focus_calls, 0);
  ui.answers = {true, true, false};
  EXPECT_EQ(Step("zz"), Step_Result::Cancelled);
  EXPECT_EQ(ui.asked.size(), 1u + 3u);
  EXPECT_EQ(Sel(), std::make_pair(0, 0));
  EXPECT_EQ(state.Search_Count, 0);
}

TEST_F(Find, HitIsCountedBeforeTheSelectionMovesAndFocusGoesToTheText) {
  Text("x x");
  state.Search_Count = 5;
  Step("x");
  ASSERT_EQ(edit.counts_seen.size(), 1u);
  EXPECT_EQ(edit.counts_seen[0], 6);
  EXPECT_EQ(search.focus_calls, 1);
  EXPECT_EQ(search.scrolls, 1);
  // The Replace dialog's step does not count.
  Search_Step(c, {"x", false}, kReplaceAgainQuestion, false);
  EXPECT_EQ(state.Search_Count, 6);
  EXPECT_EQ(Sel(), std::make_pair(2, 3));
}

TEST_F(Find, EmptyFindTextBeepsAndChangesNothing) {
  Text("abc", 1, 2);
  EXPECT_EQ(Step(""), Step_Result::Nothing_To_Find);
  EXPECT_EQ(ui.beeps, 1);
  EXPECT_EQ(search.finds, 0);
  EXPECT_TRUE(ui.asked.empty());
  EXPECT_EQ(Sel(), std::make_pair(1, 2));
}

TEST_F(Find, DialogStepWritesTheFindTextWhateverTheOutcome) {
  Text("один два");
  Find_From_Dialog(c, file, {W("два"), false});
  EXPECT_EQ(Sel(), std::make_pair(5, 8));
  EXPECT_TRUE(state.Find_Next_Ready);
  Find_From_Dialog(c, file, {W("три"), false});  // Cancel at the prompt
  ASSERT_EQ(profile.writes.size(), 2u);
  EXPECT_EQ(profile.writes[0], std::make_pair(std::string("Find/Text"), std::string("два")));
  EXPECT_EQ(profile.writes[1], std::make_pair(std::string("Find/Text"), std::string("три")));
  EXPECT_TRUE(ui.errors.empty());
}

TEST_F(Find, DialogStepSwitchesToRussianAndComesBack) {
  Text("abc");
  keys.current = 0x04090409u;
  Find_From_Dialog(c, file, {"b", false});
  EXPECT_EQ(keys.activated, (std::vector<std::string>{"00000419", "00000409"}));
}

TEST_F(Find, RefusedWriteIsReportedAfterTheSearch) {
  Text("abc");
  profile.fail_after = 0;
  Find_From_Dialog(c, file, {"c", false});
  EXPECT_EQ(Sel(), std::make_pair(2, 3));
  ASSERT_EQ(ui.errors.size(), 1u);
  EXPECT_EQ(ui.errors[0], "Unable to write to C:\\Prog\\Lirovant.ini");
  // The layout came back all the same.
  EXPECT_EQ(keys.activated.back(), "00000409");
}

TEST_F(Find, FindNextBeepsUntilASearchHasRun) {
  Text("a a a");
  Find_Next(c, file, {"a", false});
  EXPECT_EQ(ui.beeps, 1);
  EXPECT_EQ(search.finds, 0);
  EXPECT_TRUE(profile.writes.empty());
  Find_From_Dialog(c, file, {"a", false});
  Find_Next(c, file, {"a", false});
  EXPECT_EQ(Sel(), std::make_pair(2, 3));
  // A document load clears the flag; F3 beeps again.
  state.Find_Next_Ready = false;
  Find_Next(c, file, {"a", false});
  EXPECT_EQ(ui.beeps, 2);
  EXPECT_EQ(Sel(), std::make_pair(2, 3));
}

TEST_F(Find, FindNextWithAnEmptyTextBeepsWithoutSearchingOrWriting) {
  Text("abc");
  state.Find_Next_Ready = true;
  Find_Next(c, file, {"", false});
  EXPECT_EQ(ui.beeps, 1);
  EXPECT_EQ(search.finds, 0);
  EXPECT_TRUE(profile.writes.empty());
  EXPECT_TRUE(keys.activated.empty());
}

TEST_F(Find, PresetComesFromTheSelectionOrTheSettingsFile) {
  Text("первое второе", 0, 0);
  EXPECT_EQ(Find_Preset(file, edit), W("Введите слово или фразу"));
  profile.values["Find/Text"] = "прошлое";
  EXPECT_EQ(Find_Preset(file, edit), W("прошлое"));
  edit.sel = {7, 13};
  EXPECT_EQ(Find_Preset(file, edit), W("второе"));
  // Opening with a selection does not touch the settings file.
  EXPECT_TRUE(profile.writes.empty());
  edit.text = std::string(300, 'q') + "end";
  edit.sel = {0, 303};
  EXPECT_EQ(Find_Preset(file, edit), std::string(255, 'q'));
  EXPECT_EQ(Replace_Preset(edit), std::string(255, 'q'));
  edit.sel = {4, 4};
  EXPECT_EQ(Replace_Preset(edit), "");
}

TEST_F(Find, DialogsShareTheCounterThatTheStatusBarShows) {
  Fake_Panels panels;
  state.Search_Count = 9;
  Search_Dialog_Shown(state, false);
  EXPECT_TRUE(state.Find_Open);
  EXPECT_EQ(state.Search_Count, 0);
  Text("ab ab");
  Step("ab");
  Status_Refresh(edit, panels, state);
  EXPECT_EQ(panels.panels[kPanelMode], " Всего найдено: 1");
  Search_Dialog_Closed(state, false, panels, false);
  EXPECT_FALSE(state.Find_Open);
  EXPECT_EQ(panels.panels[kPanelMode], " Вставка");

  // F3 while the Replace dialog is open adds to the same counter.
  Search_Dialog_Shown(state, true);
  state.Find_Next_Ready = true;
  Find_Next(c, file, {"ab", false});
  Status_Refresh(edit, panels, state);
  EXPECT_EQ(panels.panels[kPanelMode], " Всего замен: 1");
  Search_Dialog_Closed(state, true, panels, true);
  EXPECT_FALSE(state.Replace_Open);
  EXPECT_EQ(panels.panels[kPanelMode], " Замена");
}

}  // namespace
