// The progress display that brackets a long command: label, marks, disabled
// window, and everything put back however the command ends.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "fakes/text_frame_fakes.h"
#include "text/command_frame.h"
#include "text/line_cleanup.h"
#include "text/selection_frame.h"

namespace {

struct Pump_Seen {
  std::string label, marks;
  bool enabled, right;
  uint32_t layout;
};

struct Progress_Frame : Text_Frame_Fixture {
  std::vector<Pump_Seen> seen;
  Progress_Frame() {
    window.on_pump = [this] {
      seen.push_back(
          {panels.panels[2], panels.panels[3], window.enabled, window.right_aligned, keyboard.current});
    };
  }
  void Expect_Restored() {
    EXPECT_TRUE(window.enabled);
    EXPECT_FALSE(window.right_aligned);
    EXPECT_EQ(panels.panels[2], " Вставка");
    EXPECT_EQ(panels.panels[3], "");
    EXPECT_EQ(keyboard.current, 0x04090409u);
  }
};

std::string Fullbar() { return std::string(100, '|'); }

TEST(TextFrameProgress, SelectionOf250MarksEverySecondPositionThenFullBar) {
  Progress_Frame f;
  f.edit.text = "<" + std::string(250, 'x') + ">";
  f.Select(1, 251);
  Selection_Command(f.host, Replace_Tabs);
  // (250 - 1) / 2 growing marks, then the full bar just before the result goes in.
  ASSERT_EQ(f.seen.size(), 125u);
  for (size_t i = 0; i + 1 < f.seen.size(); ++i) {
    EXPECT_EQ(f.seen[i].marks, std::string(i + 1, '|'));
    EXPECT_EQ(f.seen[i].label, "Делаю:");
    EXPECT_TRUE(f.seen[i].right);
    EXPECT_FALSE(f.seen[i].enabled);
    EXPECT_EQ(f.seen[i].layout, 0x04190419u);
  }
  EXPECT_EQ(f.seen.back().marks, Fullbar());
  EXPECT_FALSE(f.seen.back().enabled);
  f.Expect_Restored();
  EXPECT_EQ(f.keyboard.activated, (std::vector<std::string>{"00000419", "00000409"}));
}

TEST(TextFrameProgress, ShortSelectionMarksEveryPosition) {
  Progress_Frame f;
  f.edit.text = std::string(40, 'a');
  f.Select(0, 40);
  Selection_Command(f.host, Replace_Tabs);
  ASSERT_EQ(f.seen.size(), 41u);
  EXPECT_EQ(f.seen[39].marks, std::string(40, '|'));
  EXPECT_EQ(f.seen[40].marks, Fullbar());
}

int64_t last_position = 0;

std::string Note_Positions(const std::string& t, const Position_Callback& cb) {
  for (size_t i = 1; i <= t.size(); ++i) {
    last_position = int64_t(i);
    cb(last_position);
  }
  return t;
}

TEST(TextFrameProgress, ThousandCharactersMarkAt11And21) {
  Progress_Frame f;
  f.edit.text = std::string(1000, 'a');
  f.Select(0, 1000);
  std::vector<int64_t> marked_at;
  f.window.on_pump = [&] { marked_at.push_back(last_position); };
  Selection_Command(f.host, Note_Positions);
  ASSERT_EQ(marked_at.size(), 99u + 1u);  // 99 marks and the full bar
  EXPECT_EQ(marked_at[0], 11);
  EXPECT_EQ(marked_at[1], 21);
  EXPECT_EQ(marked_at[98], 991);
}

TEST(TextFrameProgress, ExceptionInTheMiddleStillPutsEverythingBack) {
  Progress_Frame f;
  f.edit.text = std::string(500, 'a');
  f.Select(0, 500);
  EXPECT_THROW(Selection_Command(f.host,
                                 [](const std::string& t, const Position_Callback& cb) -> std::string {
                                   for (size_t i = 1; i <= t.size(); ++i) {
                                     cb(int64_t(i));
                                     if (i == 300) throw std::runtime_error("out of memory");
                                   }
                                   return t;
                                 }),
               std::runtime_error);
  EXPECT_FALSE(f.seen.empty());
  EXPECT_FALSE(f.seen.front().enabled);
  f.Expect_Restored();
  EXPECT_EQ(f.edit.text, std::string(500, 'a'));
}

TEST(TextFrameProgress, SecondPassRelabelsEmptiesMarksAndRestarts) {
  Progress_Frame f;
  {
    Text_Long_Command command(f.host, 300, {"Делаю раз:", true});
    for (int64_t i = 0; i < 300; ++i) command.On_Position()(i);
    EXPECT_EQ(f.panels.panels[3].size(), 99u);  // step 3: marks at 4, 7, ... 298
    command.Second_Pass("Делаю два:");
    EXPECT_EQ(f.panels.panels[2], "Делаю два:");
    EXPECT_EQ(f.panels.panels[3], "");
    command.On_Position()(3);
    EXPECT_EQ(f.panels.panels[3], "");
    command.On_Position()(4);
    EXPECT_EQ(f.panels.panels[3], "|");
  }
  f.Expect_Restored();
}

TEST(TextFrameProgress, UnlabelledCommandLeavesPanelTwoAndLayoutAlone) {
  Progress_Frame f;
  f.panels.panels[2] = " Замена";
  {
    Text_Long_Command command(f.host, 10, {nullptr, false});
    EXPECT_FALSE(f.window.enabled);
    f.panels.panels[2] = " Всего найдено: 3";  // somebody else's text meanwhile
  }
  EXPECT_EQ(f.panels.panels[2], " Всего найдено: 3");
  EXPECT_FALSE(f.window.right_aligned);
  EXPECT_TRUE(f.window.enabled);
  EXPECT_TRUE(f.keyboard.activated.empty());
}

}  // namespace
