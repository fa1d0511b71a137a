#include "platform/progress.h"
#include "text/line_cleanup.h"
#include "text/translit.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// Positions 1..size through a fresh Progress; the positions that drew a mark.
std::vector<std::int64_t> Marked_Positions(std::int64_t size) {
  Progress progress;
  progress.Begin(size);
  std::vector<std::int64_t> marked;
  for (std::int64_t position = 1; position <= size; ++position)
    if (progress.Due(position)) marked.push_back(position);
  return marked;
}

}  // namespace

TEST(TextProgress, StepIsAHundredthTruncated) {
  Progress progress;
  progress.Begin(250);
  EXPECT_EQ(progress.Progress_Step, 2);
  EXPECT_EQ(progress.Progress_Mark, 2);
  progress.Begin(99);
  EXPECT_EQ(progress.Progress_Step, 0);
  progress.Begin(0);
  EXPECT_EQ(progress.Progress_Step, 0);
  EXPECT_EQ(progress.Progress_Mark, 0);
}

TEST(TextProgress, TwoHundredFiftyCharactersMarkEverySecondPosition) {
  const std::vector<std::int64_t> marked = Marked_Positions(250);
  ASSERT_EQ(marked.size(), 124u);  // (250 - 1) / 2
  EXPECT_EQ(marked[0], 3);
  EXPECT_EQ(marked[1], 5);
  EXPECT_EQ(marked[2], 7);
  EXPECT_EQ(marked.back(), 249);
}

TEST(TextProgress, BelowAHundredEveryPositionMarks) {
  for (std::int64_t size : {1, 40, 50, 99}) {
    const std::vector<std::int64_t> marked = Marked_Positions(size);
    ASSERT_EQ(marked.size(), static_cast<std::size_t>(size)) << size;
    EXPECT_EQ(marked.front(), 1);
    EXPECT_EQ(marked.back(), size);
  }
}

TEST(TextProgress, ThousandCharactersMarkAtElevenTwentyOne) {
  const std::vector<std::int64_t> marked = Marked_Positions(1000);
  ASSERT_EQ(marked.size(), 99u);
  EXPECT_EQ(marked[0], 11);
  EXPECT_EQ(marked[1], 21);
  EXPECT_EQ(marked[2], 31);
}

TEST(TextProgress, MarksOfAWholePassStayBetween99And198) {
  for (std::int64_t size : {100, 101, 199, 200, 12345})
    EXPECT_EQ(static_cast<std::int64_t>(Marked_Positions(size).size()), (size - 1) / (size / 100)) << size;
  EXPECT_EQ(Marked_Positions(100).size(), 99u);
  EXPECT_EQ(Marked_Positions(199).size(), 198u);
}

TEST(TextProgress, RestartBeginsTheSecondPassAtTheFirstMark) {
  Progress progress;
  progress.Begin(300);
  for (std::int64_t i = 0; i < 300; ++i) progress.Due(i);
  EXPECT_GT(progress.Progress_Mark, 200);
  progress.Restart();
  EXPECT_EQ(progress.Progress_Mark, 3);
  EXPECT_FALSE(progress.Due(3));
  EXPECT_TRUE(progress.Due(4));
}

TEST(TextProgress, CallbackDrivesTicksOfALongCommand) {
  Progress progress;
  int ticks = 0;
  const std::string text(40, 'x');
  progress.Begin(static_cast<std::int64_t>(text.size()));
  Translit_Text(text, Progress_Callback(progress, [&] { ++ticks; }));
  EXPECT_EQ(ticks, 40);

  ticks = 0;
  const std::string longer(250, 'a');
  progress.Begin(static_cast<std::int64_t>(longer.size()));
  Remove_Line_Breaks(longer, Progress_Callback(progress, [&] { ++ticks; }));
  EXPECT_EQ(ticks, 124);
}
