#include "about/scroll_clock.h"

#include <gtest/gtest.h>

namespace {

// Height of the scrolling window the labels move through.
constexpr int Window_Height = 97;

void Tick_Times(Scroll_Clock& clock, int times) {
  for (int i = 0; i < times; ++i) ASSERT_TRUE(clock.Tick());
}

void Expect_Spacing(const Scroll_Clock& clock) {
  for (int k = 2; k <= Scroll_Clock::Label_Count; ++k)
    EXPECT_EQ(clock.Label_Top(k) - clock.Label_Top(k - 1), 104) << "label " << k;
}

}  // namespace

// Opened again after a round under way, the story starts from the beginning.
TEST(AboutScroll, OpeningPutsLabelsAtStartHeightsWithTheTimerOff) {
  Scroll_Clock clock;
  clock.Activate();
  Tick_Times(clock, 37);
  clock.Deactivate();
  clock.Open();
  EXPECT_EQ(clock.Count(), 0);
  EXPECT_FALSE(clock.Timer_On());
  const int starts[] = {90, 194, 298, 402, 506};
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(clock.Label_Top(k), starts[k - 1]);
  EXPECT_EQ(Scroll_Clock::Timer_Interval_Ms, 110);
  clock.Activate();
  Tick_Times(clock, 300);
  clock.Deactivate();
  clock.Open();
  clock.Activate();
  Tick_Times(clock, 1);
  EXPECT_EQ(clock.Label_Top(1), 89);
}

// Activation parks the labels below the window, hidden, until the first
// tick; then the first piece enters from the bottom.
TEST(AboutScroll, FirstPieceEntersFromTheBottomOneTickAfterOpening) {
  Scroll_Clock clock;
  clock.Open();
  clock.Activate();
  EXPECT_TRUE(clock.Timer_On());
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(clock.Label_Top(k), 591);
  EXPECT_EQ(clock.Count(), 0);
  EXPECT_GE(clock.Label_Top(1), Window_Height);
  Tick_Times(clock, 1);
  EXPECT_EQ(clock.Count(), 1);
  EXPECT_EQ(clock.Label_Top(1), 89);
  EXPECT_LT(clock.Label_Top(1), Window_Height);  // its first lines show
  EXPECT_GE(clock.Label_Top(2), Window_Height);
  Expect_Spacing(clock);
}

TEST(AboutScroll, LabelsRiseOnePixelATickAndStay104Apart) {
  Scroll_Clock clock;
  clock.Activate();
  Tick_Times(clock, 1);
  const int first = clock.Label_Top(1);
  for (int n = 2; n <= 500; ++n) {
    Tick_Times(clock, 1);
    ASSERT_EQ(clock.Label_Top(1), first - (n - 1)) << "tick " << n;
  }
  Expect_Spacing(clock);
  EXPECT_EQ(clock.Label_Top(5), 506 - 500);
}

TEST(AboutScroll, StoryStartsAgainAfter591Ticks) {
  Scroll_Clock clock;
  clock.Activate();
  Tick_Times(clock, 590);
  EXPECT_EQ(clock.Count(), 590);
  EXPECT_EQ(clock.Label_Top(1), 90 - 590);
  Tick_Times(clock, 1);  // the 591st: last step of the round, then back to 0
  EXPECT_EQ(clock.Count(), 0);
  EXPECT_EQ(clock.Label_Top(1), 90 - 591);
  EXPECT_EQ(clock.Label_Top(5), 506 - 591);
  Tick_Times(clock, 1);
  EXPECT_EQ(clock.Count(), 1);
  EXPECT_EQ(clock.Label_Top(1), 89);
  Expect_Spacing(clock);
  // A second round is the same as the first.
  Tick_Times(clock, 590);
  EXPECT_EQ(clock.Count(), 0);
  Tick_Times(clock, 1);
  EXPECT_EQ(clock.Label_Top(1), 89);
}

TEST(AboutScroll, DeactivationPausesAndActivationResumesWhereItStopped) {
  Scroll_Clock clock;
  clock.Open();
  clock.Activate();
  Tick_Times(clock, 200);
  clock.Deactivate();
  EXPECT_FALSE(clock.Timer_On());
  const int top_when_paused = clock.Label_Top(3);
  EXPECT_FALSE(clock.Tick());  // no tick counts while the timer is off
  EXPECT_EQ(clock.Count(), 200);
  EXPECT_EQ(clock.Label_Top(3), top_when_paused);

  clock.Activate();
  EXPECT_EQ(clock.Count(), 200);
  EXPECT_EQ(clock.Label_Top(3), 591);
  Tick_Times(clock, 1);
  EXPECT_EQ(clock.Count(), 201);
  EXPECT_EQ(clock.Label_Top(3), top_when_paused - 1);
}

TEST(AboutScroll, LabelsOutsideOneToFiveStayHidden) {
  Scroll_Clock clock;
  EXPECT_EQ(clock.Label_Top(0), 591);
  EXPECT_EQ(clock.Label_Top(6), 591);
}

TEST(AboutScroll, APieceTallerThanTheSpacingPushesTheRestDownAndLengthensTheRound) {
  Scroll_Clock clock;
  clock.Set_Piece_Heights({108, 50, 104, 130, 60});
  clock.Open();
  const int starts[] = {90, 198, 302, 406, 536};
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(clock.Label_Top(k), starts[k - 1]) << k;
  clock.Activate();
  Tick_Times(clock, 590 + 30);
  EXPECT_EQ(clock.Count(), 620);
  EXPECT_EQ(clock.Label_Top(5), 536 - 620);
  Tick_Times(clock, 1);
  EXPECT_EQ(clock.Count(), 0);
}
