// The frames of the commands on the selection: what they take, what they put
// back, where the caret and the selection end up.
#include <gtest/gtest.h>

#include <string>

#include "fakes/text_frame_fakes.h"
#include "text/line_cleanup.h"
#include "text/selection_frame.h"
#include "text/translit.h"
#include "common/win1251_unicode.h"

namespace {

std::string W(const std::string& utf8) { return Utf8_To_Win1251(utf8); }

struct Selection_Frame : Text_Frame_Fixture {
  // The document is "<<" + body + ">>", with the body selected.
  void Load(const std::string& body) {
    edit.text = "<<" + body + ">>";
    Select(2, int32_t(2 + body.size()));
  }
  std::string Body() const { return edit.text.substr(2, edit.text.size() - 4); }
  void Expect_Caret(int32_t at) {
    EXPECT_EQ(edit.sel.Start, at);
    EXPECT_EQ(edit.sel.End, at);
  }
};

TEST(TextFrameSelection, RetypeToRussianReselectsForCharsetAndLeavesCaretBehind) {
  Selection_Frame f;
  f.Load("Ghbdtn Ntrcn");
  Retype_To_Russian_Command(f.host);
  EXPECT_EQ(f.Body(), W("Привет Текст"));
  ASSERT_EQ(f.edit.charset_given.size(), 1u);
  EXPECT_EQ(f.edit.charset_given[0].Start, 2);
  EXPECT_EQ(f.edit.charset_given[0].End, 14);
  f.Expect_Caret(14);
  EXPECT_EQ(f.edit.undo, (std::vector<std::string>{"<<Ghbdtn Ntrcn>>"}));
  EXPECT_TRUE(f.edit.modified);
  EXPECT_EQ(f.keyboard.activated, (std::vector<std::string>{"00000419", "00000409"}));
}

TEST(TextFrameSelection, RetypeToLatinLeavesCaretBehind) {
  Selection_Frame f;
  f.Load(W("руддщ ХЪ"));
  Retype_To_Latin_Command(f.host);
  EXPECT_EQ(f.Body(), "hello []");
  f.Expect_Caret(10);
  EXPECT_TRUE(f.edit.charset_given.empty());
  EXPECT_EQ(f.edit.undo.size(), 1u);
}

TEST(TextFrameSelection, ToggleCaseTogglesAndKeepsTheRangeSelected) {
  Selection_Frame f;
  f.Load(W("ёЛКА"));
  Toggle_Case_Command(f.host);
  EXPECT_EQ(f.Body(), W("ЁЛКА"));
  EXPECT_EQ(f.edit.sel.Start, 2);
  EXPECT_EQ(f.edit.sel.End, 6);
  Toggle_Case_Command(f.host);
  EXPECT_EQ(f.Body(), W("ёлка"));
  EXPECT_EQ(f.edit.sel.End, 6);
  // Each toggle is a step of its own.
  EXPECT_EQ(f.edit.undo, (std::vector<std::string>{W("<<ёЛКА>>"), W("<<ЁЛКА>>")}));
}

struct Cleanup_Case {
  Text_Transform transform;
  const char* before;
  const char* after;
};

TEST(TextFrameSelection, CleanupsAndTranslitReplaceOnlyTheSelectionCaretBehind) {
  const Cleanup_Case cases[] = {
      {Remove_Line_Breaks, "a\rb\r\rc\r d", "a b\r\rc\r d"},
      {Remove_Line_Breaks, "ab\r", "ab "},
      {Remove_Line_Start_Space, " a\r  b\r c", "a\r b\rc"},
      {Squeeze_Spaces, "x\r   y  z", "x\r   y z"},
      {Squeeze_Spaces, "ab  ", "ab "},
      {Remove_Trailing_Spaces, "a  \rb \r  \rc  ", "a\rb\r\rc  "},
      {Replace_Tabs, "\ta\t", "    a    "},
      {Translit_Text, "\xD9\xF3\xEA\xE0, \xEE\xE1\xFA\xB8\xEC", "Schuka, obyom"},  // Щука, объём: it grows
  };
  for (const Cleanup_Case& c : cases) {
    Selection_Frame f;
    f.Load(c.before);
    Selection_Command(f.host, c.transform);
    EXPECT_EQ(f.Body(), c.after) << c.before;
    f.Expect_Caret(int32_t(2 + std::string(c.after).size()));
    EXPECT_EQ(f.edit.undo, (std::vector<std::string>{"<<" + std::string(c.before) + ">>"}));
    EXPECT_TRUE(f.edit.modified);
  }
}

TEST(TextFrameSelection, ClickDuringTheCommandCannotMoveWhereTheResultGoes) {
  Selection_Frame f;
  f.Load(std::string(300, '\t'));
  f.edit.text += "tail";
  f.window.on_pump = [&] { f.edit.sel = {1, 3}; };  // a click that moves the selection
  Selection_Command(f.host, Replace_Tabs);
  EXPECT_EQ(f.edit.text, "<<" + std::string(1200, ' ') + ">>tail");
}

TEST(TextFrameSelection, SpacePlusRefusesInputAndWritesOverTheRangeTaken) {
  Selection_Frame f;
  f.Load("ab cd");
  bool enabled_while_pumping = true;
  f.window.on_pump = [&] {
    enabled_while_pumping = f.window.enabled;
    f.edit.sel = {0, 1};
  };
  Space_Plus_Command(f.host);
  EXPECT_EQ(f.Body(), "a b   c d");
  EXPECT_GT(f.window.pumps, 0);
  EXPECT_FALSE(enabled_while_pumping);
  EXPECT_TRUE(f.window.enabled);
  f.Expect_Caret(2 + 9);
}

TEST(TextFrameSelection, SpacePlusHasMarksButNoLabelLayoutOrFullBar) {
  Selection_Frame f;
  f.Load(std::string(1000, 'x'));
  size_t longest = 0;
  f.window.on_pump = [&] {
    longest = std::max(longest, f.panels.panels[3].size());
    EXPECT_EQ(f.panels.panels[2], " Вставка");
    EXPECT_FALSE(f.window.right_aligned);
  };
  Space_Plus_Command(f.host);
  EXPECT_EQ(longest, 99u);  // positions 1..999, step 10
  EXPECT_EQ(f.panels.panels[3], "");
  EXPECT_TRUE(f.keyboard.activated.empty());
  EXPECT_EQ(f.Body().size(), 1999u);
}

TEST(TextFrameSelection, OneByteSelectionOfSpacePlusStaysAsItIs) {
  Selection_Frame f;
  f.Load("q");
  Space_Plus_Command(f.host);
  EXPECT_EQ(f.edit.text, "<<q>>");
  EXPECT_EQ(f.window.pumps, 0);
}

}  // namespace
