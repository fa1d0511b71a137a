#include "documents/whole_text_history.h"

#include <gtest/gtest.h>

#include "common/win1251_unicode.h"

#include <map>
#include <string>
#include <vector>

namespace {

// Holders that behave like edit controls: each has its text, its own undo
// and redo lists, and only one of them is shown.
class Fake_Holders : public Text_Holders {
 public:
  struct Holder {
    std::string text;
    std::vector<std::string> undo, redo;
  };

  Fake_Holders() { holders_[current_] = Holder{"original", {}, {}}; }

  Id Current() override { return current_; }
  Id Make_With(const std::wstring& text) override {
    holders_[++last_] = Holder{Utf16_To_Utf8(text), {}, {}};
    return last_;
  }
  void Show(Id id) override { current_ = id; }
  void Drop(Id id) override { holders_.erase(id); }
  bool Can_Undo(Id id) override { return !holders_.at(id).undo.empty(); }
  bool Can_Redo(Id id) override { return !holders_.at(id).redo.empty(); }
  void Undo(Id id) override { Step(holders_.at(id).undo, holders_.at(id).redo, id); }
  void Redo(Id id) override { Step(holders_.at(id).redo, holders_.at(id).undo, id); }
  int32_t Undo_Limit() override { return limit; }
  size_t Length(Id id) override { return holders_.at(id).text.size(); }

  // The user types: the current holder gets an undo step and loses its redo.
  void Type(const std::string& text) {
    Holder& h = holders_.at(current_);
    h.undo.push_back(h.text);
    h.redo.clear();
    h.text = text;
  }
  const std::string& Text() { return holders_.at(current_).text; }
  size_t Alive() const { return holders_.size(); }

  int32_t limit = 100;

 private:
  void Step(std::vector<std::string>& from, std::vector<std::string>& to, Id id) {
    Holder& h = holders_.at(id);
    to.push_back(h.text);
    h.text = from.back();
    from.pop_back();
  }
  std::map<Id, Holder> holders_;
  Id current_ = 1, last_ = 1;
};

// Undo or redo until nothing is left, recording every text on the way.
std::vector<std::string> Walk(Fake_Holders& h, Whole_Text_History& history, bool undo) {
  std::vector<std::string> seen;
  while (undo ? history.Can_Undo() : history.Can_Redo()) {
    undo ? history.Undo() : history.Redo();
    seen.push_back(h.Text());
  }
  return seen;
}

class WholeTextHistory : public ::testing::Test {
 protected:
  Fake_Holders h;
  Whole_Text_History history{h};
};

TEST_F(WholeTextHistory, ReplacementIsOneUndoStepAndRedoComesBack) {
  EXPECT_FALSE(history.Can_Undo());
  history.Replace(L"converted", true);
  EXPECT_EQ(h.Text(), "converted");
  ASSERT_TRUE(history.Can_Undo());
  EXPECT_FALSE(history.Can_Redo());
  history.Undo();
  EXPECT_EQ(h.Text(), "original");
  EXPECT_FALSE(history.Can_Undo());
  ASSERT_TRUE(history.Can_Redo());
  history.Redo();
  EXPECT_EQ(h.Text(), "converted");
  EXPECT_FALSE(history.Can_Redo());
}

TEST_F(WholeTextHistory, TypingAroundReplacementsUndoesInTheOrderItHappened) {
  h.Type("a");
  history.Replace(L"A", true);
  h.Type("Ab");
  history.Replace(L"AB", true);
  h.Type("ABc");
  EXPECT_EQ(Walk(h, history, true), (std::vector<std::string>{"AB", "Ab", "A", "a", "original"}));
  EXPECT_EQ(Walk(h, history, false), (std::vector<std::string>{"a", "A", "Ab", "AB", "ABc"}));
}

TEST_F(WholeTextHistory, EditingAfterUndoEndsTheRedoLineAndFreesItsHolders) {
  history.Replace(L"one", true);
  history.Replace(L"two", true);
  history.Undo();
  history.Undo();
  EXPECT_EQ(history.Parked_Ahead(), 2u);
  h.Type("typed");
  history.Changed();
  EXPECT_FALSE(history.Can_Redo());
  EXPECT_EQ(h.Alive(), 1u);
  history.Undo();
  EXPECT_EQ(h.Text(), "original");
}

TEST_F(WholeTextHistory, RedoStepsFromBeforeAReplacementAreNotRedoneAfterUndoingIt) {
  h.Type("x");
  history.Undo();  // "x" is now the holder's redo step
  EXPECT_EQ(h.Text(), "original");
  history.Replace(L"converted", true);
  history.Undo();
  EXPECT_EQ(h.Text(), "original");
  // Redo goes forward to the replacement, not to the "x" the replacement ended.
  history.Redo();
  EXPECT_EQ(h.Text(), "converted");
  EXPECT_FALSE(history.Can_Redo());
}

TEST_F(WholeTextHistory, UndoneStepsInsideAHolderAreRedoneBeforeMovingOn) {
  history.Replace(L"A", true);
  h.Type("Ab");
  history.Replace(L"AB", true);
  EXPECT_EQ(Walk(h, history, true), (std::vector<std::string>{"Ab", "A", "original"}));
  EXPECT_EQ(Walk(h, history, false), (std::vector<std::string>{"A", "Ab", "AB"}));
}

TEST_F(WholeTextHistory, UnrecordedReplacementDropsTheWholeHistory) {
  history.Replace(L"one", true);
  h.Type("one!");
  history.Replace(L"formatted", false);
  EXPECT_EQ(h.Text(), "formatted");
  EXPECT_FALSE(history.Can_Undo());
  EXPECT_FALSE(history.Can_Redo());
  EXPECT_EQ(h.Alive(), 1u);
}

TEST_F(WholeTextHistory, ParkedHoldersAreBoundedByTheUndoLimit) {
  h.limit = 2;
  for (const char* text : {"1", "2", "3", "4"}) history.Replace(Utf8_To_Utf16(text), true);
  EXPECT_EQ(history.Parked_Behind(), 2u);
  EXPECT_EQ(h.Alive(), 3u);
  EXPECT_EQ(Walk(h, history, true), (std::vector<std::string>{"3", "2"}));

  h.limit = 0;
  history.Replace(L"5", true);
  EXPECT_FALSE(history.Can_Undo());
  EXPECT_EQ(h.Alive(), 1u);
}

TEST_F(WholeTextHistory, HugeTextsKeepOnlyTheLatestStepBehind) {
  const std::string huge(20u << 20, 'a');
  history.Replace(Utf8_To_Utf16(huge), true);
  history.Replace(Utf8_To_Utf16(huge + "b"), true);
  history.Replace(Utf8_To_Utf16(huge + "c"), true);
  // Two huge texts parked would pass the bound: only the newest stays.
  EXPECT_EQ(history.Parked_Behind(), 1u);
  history.Undo();
  EXPECT_EQ(h.Text(), huge + "b");
  EXPECT_FALSE(history.Can_Undo());
}

TEST_F(WholeTextHistory, ForgetLeavesOnlyTheCurrentHolder) {
  history.Replace(L"one", true);
  history.Replace(L"two", true);
  history.Undo();
  history.Forget();
  EXPECT_EQ(h.Alive(), 1u);
  EXPECT_EQ(h.Text(), "one");
  EXPECT_FALSE(history.Can_Undo());
  EXPECT_FALSE(history.Can_Redo());
}

}  // namespace
