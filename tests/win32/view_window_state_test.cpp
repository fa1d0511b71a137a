// Window state in the real main window: size notifications update the
// normal bounds only once the window is shown and past its first ones, a
// move alone does not, and minimising to the tray hides the window.
#include <gtest/gtest.h>

#include <string>

#include "app/win32/main_window.h"
#include "test_forma.h"
#include "app/win32/window_state.h"
#include "tests/native/fakes/fake_platform.h"

namespace {

void Ensure_Forma() {
  ASSERT_TRUE(Shown_Test_Main_Window());
  ShowWindow(Forma.Handle, SW_SHOWNORMAL);
  Pump();
}

}  // namespace

TEST(ViewWindowState, ResizeIsRememberedAndAMoveIsNot) {
  Ensure_Forma();
  ShowWindow(Forma.Handle, SW_RESTORE);
  Pump();
  ASSERT_TRUE(Forma.Window_Shown);
  // Enough notifications to pass the ones of creation.
  for (int i = 0; i < 5; ++i) MoveWindow(Forma.Handle, 90, 90, 410 + i, 310, TRUE);
  MoveWindow(Forma.Handle, 100, 100, 500, 400, TRUE);
  Pump();
  EXPECT_EQ(Forma.Normal_Bounds, (Window_Bounds{100, 100, 400, 500}));
  SetWindowPos(Forma.Handle, nullptr, 200, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Pump();
  RECT r{};
  GetWindowRect(Forma.Handle, &r);
  EXPECT_EQ(r.left, 200);
  EXPECT_EQ(Forma.Normal_Bounds, (Window_Bounds{100, 100, 400, 500}));
}

TEST(ViewWindowState, MinimiseToTheTrayHidesTheWindowAndLeftClickBringsItBack) {
  Ensure_Forma();
  Nastroyki.Sys_Tray = true;
  SendMessageW(Forma.Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
  EXPECT_FALSE(IsWindowVisible(Forma.Handle));
  SendMessageW(Forma.Handle, kTrayCallback, 1, WM_LBUTTONUP);
  Pump();
  EXPECT_TRUE(IsWindowVisible(Forma.Handle));
  EXPECT_FALSE(IsIconic(Forma.Handle));
  Nastroyki.Sys_Tray = false;
  SendMessageW(Forma.Handle, WM_SYSCOMMAND, SC_MINIMIZE, 0);
  Pump();
  // The taskbar entry, the application window's, shows the program minimised.
  EXPECT_FALSE(IsWindowVisible(Forma.Handle));
  EXPECT_TRUE(IsIconic(Forma.Application));
  ShowWindow(Forma.Application, SW_RESTORE);
  Pump();
  EXPECT_TRUE(IsWindowVisible(Forma.Handle));
}
