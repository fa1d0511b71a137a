// Window state in the real main window: size notifications update the
// normal bounds only once the window is shown and past its first ones, a
// move alone does not, and minimising to the tray hides the window.
#include <gtest/gtest.h>

#include <string>

#include "app/win32/main_window.h"
#include "test_main_window.h"
#include "app/win32/window_state.h"
#include "tests/native/fakes/fake_platform.h"

namespace {

class ViewWindowState : public Main_Window_Test {
 protected:
  void SetUp() override {
    Main_Window_Test::SetUp();
    ShowWindow(Probe().Handle(), SW_SHOWNORMAL);
    Pump();
  }
};

}  // namespace

TEST_F(ViewWindowState, ResizeIsRememberedAndAMoveIsNot) {
  ShowWindow(Probe().Handle(), SW_RESTORE);
  Pump();
  ASSERT_TRUE(Probe().Window_Shown());
  // Enough notifications to pass the ones of creation.
  for (int i = 0; i < 5; ++i) MoveWindow(Probe().Handle(), 90, 90, 410 + i, 310, TRUE);
  MoveWindow(Probe().Handle(), 100, 100, 500, 400, TRUE);
  Pump();
  EXPECT_EQ(Probe().Normal_Bounds(), (Window_Bounds{100, 100, 400, 500}));
  SetWindowPos(Probe().Handle(), nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Pump();
  RECT r{};
  GetWindowRect(Probe().Handle(), &r);
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(Probe().Normal_Bounds(), (Window_Bounds{100, 100, 400, 500}));
}

TEST_F(ViewWindowState, MinimiseToTheTrayHidesTheWindowAndLeftClickBringsItBack) {
  Probe().Settings().Minimize_To_Tray = true;
  SendMessageW(Probe().Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
  EXPECT_FALSE(IsWindowVisible(Probe().Handle()));
  SendMessageW(Probe().Handle(), kTrayCallback, 1, WM_LBUTTONUP);
  Pump();
  EXPECT_TRUE(IsWindowVisible(Probe().Handle()));
  EXPECT_FALSE(IsIconic(Probe().Handle()));
  Probe().Settings().Minimize_To_Tray = false;
  SendMessageW(Probe().Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
  // The taskbar entry, the application window's, shows the program minimised.
  EXPECT_FALSE(IsWindowVisible(Probe().Handle()));
  EXPECT_TRUE(IsIconic(Probe().Application()));
  ShowWindow(Probe().Application(), SW_RESTORE);
  Pump();
  EXPECT_TRUE(IsWindowVisible(Probe().Handle()));
}
