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
    ShowWindow(Window().Handle, SW_SHOWNORMAL);
    Pump();
  }
};

}  // namespace

TEST_F(ViewWindowState, ResizeIsRememberedAndAMoveIsNot) {
  ShowWindow(Window().Handle, SW_RESTORE);
  Pump();
  ASSERT_TRUE(Window().Window_Shown);
  // Enough notifications to pass the ones of creation.
  for (int i = 0; i < 5; ++i) MoveWindow(Window().Handle, 90, 90, 410 + i, 310, TRUE);
  MoveWindow(Window().Handle, 100, 100, 500, 400, TRUE);
  Pump();
  EXPECT_EQ(Window().Normal_Bounds, (Window_Bounds{100, 100, 400, 500}));
  SetWindowPos(Window().Handle, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Pump();
  RECT r{};
  GetWindowRect(Window().Handle, &r);
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(Window().Normal_Bounds, (Window_Bounds{100, 100, 400, 500}));
}

TEST_F(ViewWindowState, MinimiseToTheTrayHidesTheWindowAndLeftClickBringsItBack) {
  Window().Settings.Minimize_To_Tray = true;
  SendMessageW(Window().Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
  EXPECT_FALSE(IsWindowVisible(Window().Handle));
  SendMessageW(Window().Handle, kTrayCallback, 1, WM_LBUTTONUP);
  Pump();
  EXPECT_TRUE(IsWindowVisible(Window().Handle));
  EXPECT_FALSE(IsIconic(Window().Handle));
  Window().Settings.Minimize_To_Tray = false;
  SendMessageW(Window().Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
  // The taskbar entry, the application window's, shows the program minimised.
  EXPECT_FALSE(IsWindowVisible(Window().Handle));
  EXPECT_TRUE(IsIconic(Window().Application));
  ShowWindow(Window().Application, SW_RESTORE);
  Pump();
  EXPECT_TRUE(IsWindowVisible(Window().Handle));
}
