// The frame of smart formatting: guard, warning, both passes under the
// progress display, one replacement, the undo history and the closing notice.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "fakes/text_frame_fakes.h"
#include "platform/long_command.h"
#include "text/smart_format.h"
#include "text/smart_format_frame.h"

namespace {

const char* const Example = "a b c d\rab cd ef gh\rx y\rend.\r new para\ra  b c\rq";
const char* const Justified = "a   b  c  d\rab cd ef gh\rx         y\rend.\r new   para\ra      b  c\rq\r";

TEST(TextFrameSmartFormat, ExampleLinesJustifiedOnceUndoEmptiedNoticeAfterWindowBack) {
  Text_Frame_Fixture f;
  f.edit.text = Example;
  f.edit.undo = {"older edit"};
  std::vector<std::pair<std::string, std::string>> seen;  // panel 2, panel 3 at each repaint
  f.window.on_pump = [&] {
    EXPECT_FALSE(f.window.enabled);
    seen.emplace_back(f.panels.panels[2], f.panels.panels[3]);
  };
  EXPECT_EQ(Smart_Format_Document(f.host), Smart_Format_Outcome::Done);
  EXPECT_EQ(f.edit.text, Justified);
  EXPECT_EQ(f.edit.unrecorded_replacements, 1);
  EXPECT_TRUE(f.edit.undo.empty());
  EXPECT_TRUE(f.edit.modified);
  EXPECT_EQ(f.edit.sel.Start, f.edit.sel.End);
  EXPECT_EQ(f.prompts.asked, (std::vector<std::string>{Smart_Format_Warning}));
  EXPECT_EQ(f.window.notices, (std::vector<std::string>{Smart_Format_Done}));
  EXPECT_EQ(f.window.enabled_at_notice, (std::vector<bool>{true}));
  // Seven lines: step 0, a mark for every line index past 0, in each pass.
  ASSERT_EQ(seen.size(), 12u);
  EXPECT_EQ(seen[0], std::make_pair(std::string("Делаю раз:"), std::string("|")));
  EXPECT_EQ(seen[5], std::make_pair(std::string("Делаю раз:"), std::string("||||||")));
  EXPECT_EQ(seen[6], std::make_pair(std::string("Делаю два:"), std::string("|")));
  EXPECT_EQ(seen[11].second, "||||||");
  EXPECT_EQ(f.panels.panels[2], " Вставка");
  EXPECT_EQ(f.panels.panels[3], "");
  EXPECT_FALSE(f.window.right_aligned);
  EXPECT_EQ(f.keyboard.activated, (std::vector<std::string>{"00000419", "00000409"}));
}

TEST(TextFrameSmartFormat, EscInTheSecondPassLeavesTheTextAndItsUndoHistory) {
  Text_Frame_Fixture f;
  f.edit.text = Example;
  f.edit.undo = {"kept"};
  f.window.stop_at_pump = 8;
  EXPECT_FALSE(Run_Stoppable(f.panels, [&] { Smart_Format_Document(f.host); }));
  EXPECT_EQ(f.edit.text, Example);
  EXPECT_EQ(f.edit.undo, (std::vector<std::string>{"kept"}));
  EXPECT_EQ(f.edit.unrecorded_replacements, 0);
  EXPECT_TRUE(f.window.notices.empty());
  EXPECT_EQ(f.panels.panels[1], " Команда прервана");
  EXPECT_EQ(f.panels.panels[2], " Вставка");
  EXPECT_TRUE(f.window.enabled);

  // Under word wrap the display lines are read first, and Esc stops that too.
  Text_Frame_Fixture g;
  g.edit.text = Example;
  g.edit.word_wrap = true;
  g.edit.display_starts = {0, 8};
  g.window.stop_at_pump = 1;
  EXPECT_FALSE(Run_Stoppable(g.panels, [&] { Smart_Format_Document(g.host); }));
  EXPECT_TRUE(g.prompts.asked.empty());
  EXPECT_EQ(g.edit.text, Example);
}

TEST(TextFrameSmartFormat, WarningIsSixLinesSeparatedByCr) {
  const std::string warning = Smart_Format_Warning;
  EXPECT_EQ(std::count(warning.begin(), warning.end(), '\r'), 5);
  EXPECT_EQ(warning.find('\n'), std::string::npos);
  EXPECT_EQ(warning.rfind("   Внимание!!!", 0), 0u);
}

TEST(TextFrameSmartFormat, FewerThanTwoLinesOnlyBeeps) {
  for (const char* text : {"", "just one line", "one line and its break\r"}) {
    Text_Frame_Fixture f;
    f.edit.text = text;
    f.edit.undo = {"kept"};
    EXPECT_EQ(Smart_Format_Document(f.host), Smart_Format_Outcome::Too_Short) << text;
    EXPECT_EQ(f.prompts.beeps, 1);
    EXPECT_TRUE(f.prompts.asked.empty());
    EXPECT_EQ(f.edit.text, text);
    EXPECT_EQ(f.edit.undo.size(), 1u);
    EXPECT_TRUE(f.window.enabled);
  }
}

TEST(TextFrameSmartFormat, AnsweringNoLeavesEverything) {
  Text_Frame_Fixture f;
  f.edit.text = Example;
  f.edit.undo = {"kept"};
  f.prompts.answers = {Answer::No};
  EXPECT_EQ(Smart_Format_Document(f.host), Smart_Format_Outcome::Declined);
  EXPECT_EQ(f.edit.text, Example);
  EXPECT_EQ(f.edit.undo.size(), 1u);
  EXPECT_EQ(f.window.pumps, 0);
  EXPECT_TRUE(f.window.notices.empty());
  EXPECT_TRUE(f.keyboard.activated.empty());
  EXPECT_EQ(f.prompts.beeps, 0);
}

TEST(TextFrameSmartFormat, WrappedParagraphBecomesItsDisplayLinesJustified) {
  Text_Frame_Fixture f;
  // One paragraph shown as three display lines, an empty line, a last line.
  f.edit.text = "aa bb cc dd ee ff gg hh\r\rlast line\r";
  f.edit.word_wrap = true;
  f.edit.display_starts = {0, 9, 18, 24, 25, 35};
  EXPECT_EQ(Shown_Lines(f.edit, f.edit).Strings(),
            (std::vector<std::string>{"aa bb cc ", "dd ee ff ", "gg hh", "", "last line"}));
  EXPECT_EQ(Smart_Format_Document(f.host), Smart_Format_Outcome::Done);
  EXPECT_EQ(f.edit.text, "aa  bb cc\rdd  ee ff\rgg hh\r\rlast line\r");
}

TEST(TextFrameSmartFormat, WithoutWrapTheTextLinesAreTakenNotTheDisplay) {
  Text_Frame_Fixture f;
  f.edit.text = "ab\rc d e f\r";
  f.edit.display_starts = {0, 1, 2};  // ignored while wrap is off
  EXPECT_EQ(Shown_Lines(f.edit, f.edit).Strings(), (std::vector<std::string>{"ab", "c d e f"}));
}

}  // namespace
