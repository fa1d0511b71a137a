#include <gtest/gtest.h>

#include "app/startup_settings.h"
#include "app/window_placement.h"
#include "fakes/fake_platform.h"

namespace {

struct StartupSettings : ::testing::Test {
  Memory_Profile profile;
  Settings_File file{profile};
  void Set(const std::string& key, const std::string& value) { profile.values[key] = value; }
  Creation_Settings Create(std::vector<std::string> args = {}) {
    return Read_Creation_Settings(file, args, "C:\\Prog\\Lirovant.exe");
  }
};

TEST_F(StartupSettings, DefaultsOfAFirstRun) {
  const auto s = Create();
  EXPECT_EQ(s.Bounds, (Window_Bounds{80, 80, 300, 400}));
  EXPECT_EQ(s.Normal_Bounds, (Window_Bounds{80, 80, 300, 400}));
  EXPECT_FALSE(s.Maximized);
  EXPECT_EQ(s.Font.Name, "Courier New");
  EXPECT_EQ(s.Font.Size, 12);
  EXPECT_EQ(s.Font.Charset, 204);
  EXPECT_EQ(s.Font.Color, 0);
  EXPECT_EQ(s.Back_Color, int32_t(0x80000018u));
  EXPECT_TRUE(s.Word_Wrap);
  EXPECT_EQ(s.Undo_Limit, 50);
  EXPECT_EQ(s.Dialog_Path, "C:\\Prog\\Lirovant.exe");
  EXPECT_FALSE(s.Startup_Layout.has_value());
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(s.Files.Names[i], "");
    EXPECT_EQ(s.Files.Positions[i], "0");
  }
  const auto m = Read_Activation_Settings(file);
  EXPECT_FALSE(m.Minimize_To_Tray);
  EXPECT_TRUE(m.Escape_Closes && m.Show_Status_Bar && m.Caret_Memory);
  EXPECT_FALSE(m.Recognize_Page_On_Open);  // files open as WIN until asked otherwise
  EXPECT_EQ(m.Undo_Limit, 50);
  EXPECT_EQ(m.Layout_Mode, 1);
  for (int i = 0; i < 5; ++i) EXPECT_TRUE(m.Sound_On[i]);
  EXPECT_EQ(m.Sound_File[0], "Sound\\Zapusk.wav");
  EXPECT_EQ(m.Sound_File[4], "Sound\\Vyhod.wav");
}

TEST_F(StartupSettings, NumbersInEveryNotationAndBadOnesGiveDefaults) {
  Set("Size/Top", "0x64");
  Set("Size/Left", "$64");
  Set("Size/Height", "abc");
  Set("Size/Width", "");
  const auto s = Create();
  EXPECT_EQ(s.Bounds, (Window_Bounds{100, 100, 300, 400}));
  // On a screen of 144 DPI the default place is the same in inches; a stored
  // one is in the screen's pixels already.
  const auto scaled = Read_Creation_Settings(file, {}, "C:\\Prog\\Lirovant.exe", 144);
  EXPECT_EQ(scaled.Bounds, (Window_Bounds{100, 100, 450, 600}));
  EXPECT_EQ(scaled.Normal_Bounds, (Window_Bounds{120, 120, 450, 600}));
}

TEST_F(StartupSettings, WindowStateOnlyNormalAndMinimizedStartNormal) {
  for (auto [text, maximized] : std::vector<std::pair<std::string, bool>>{{"wsNormal", false},
                                                                          {"wsMinimized", false},
                                                                          {"wsMaximized", true},
                                                                          {"", true},
                                                                          {"normal", true},
                                                                          {"wsMinimizedXYZ", false}}) {
    Set("Size/WindowState", text);
    EXPECT_EQ(Create().Maximized, maximized) << text;
  }
}

TEST_F(StartupSettings, StoredPathWinsOverTheSingleArgument) {
  EXPECT_EQ(Create({"a.txt"}).Dialog_Path, "a.txt");
  EXPECT_EQ(Create({"a.txt", "b.txt"}).Dialog_Path, "C:\\Prog\\Lirovant.exe");
  Set("Size/Path", "D:\\docs\\x.txt");
  EXPECT_EQ(Create({"a.txt"}).Dialog_Path, "D:\\docs\\x.txt");
}

TEST_F(StartupSettings, StartupLayoutModes) {
  Set("Size/Raskladka_Default", "2");
  Set("Size/Raskladka", "00000407");
  EXPECT_EQ(Create().Startup_Layout, "00000407");
  Set("Size/Raskladka_Default", "3");
  EXPECT_EQ(Create().Startup_Layout, "00000409");
  Set("Size/Raskladka_Default", "4");
  EXPECT_EQ(Create().Startup_Layout, "00000419");
  Set("Size/Raskladka_Default", "7");
  EXPECT_FALSE(Create().Startup_Layout.has_value());
  EXPECT_EQ(Read_Activation_Settings(file).Layout_Mode, 4);
  Set("Size/Raskladka_Default", "-3");
  EXPECT_EQ(Read_Activation_Settings(file).Layout_Mode, 1);
}

TEST_F(StartupSettings, HistoryPositionOfAnAbsentKeyIsZero) {
  Set("File_Store/FileName3", "C:\\t.txt");
  Set("Poziciya_Store/Poziciya_Kursora_2", "17");
  Set("Poziciya_Store/Poziciya_Kursora_4", "");
  const auto s = Create();
  EXPECT_EQ(s.Files.Names[2], "C:\\t.txt");
  EXPECT_EQ(s.Files.Positions[2], "0");
  EXPECT_EQ(s.Files.Positions[1], "17");
  EXPECT_EQ(s.Files.Positions[3], "");
}

// A damaged or edited file may hold any 32-bit number anywhere.
TEST_F(StartupSettings, EveryNumberIsBroughtIntoWhatTheControlsTake) {
  Set("Size/Kol_Undo", "70000");
  EXPECT_EQ(Read_Activation_Settings(file).Undo_Limit, 65535);
  Set("Size/Kol_Undo", "-1");
  EXPECT_EQ(Read_Activation_Settings(file).Undo_Limit, 0);
  Set("Font/FontSize", "2147483647");
  Set("Font/Charset", "-5");
  Set("Size/UndoLimit", "-2147483648");
  Creation_Settings s = Create();
  EXPECT_EQ(s.Font.Size, kLargestFontSize);
  EXPECT_EQ(s.Font.Charset, 0);
  EXPECT_EQ(s.Undo_Limit, 0);
  Set("Font/FontSize", "0");
  EXPECT_EQ(Create().Font.Size, 1);
  // Only the four style bits count.
  Set("Font/FontStyle", "$FFFFFFF5");
  EXPECT_EQ(Create().Font.Style, kBold | kUnderline);
}

TEST(WindowPlacement, AStoredRectangleEndsOnTheScreen) {
  const Screen_Area screen{0, 0, 1024, 768};
  // Top, left, height, width as stored: nothing to mend.
  EXPECT_EQ(Fit_On_Screen({80, 80, 300, 400}, screen), (Window_Bounds{80, 80, 300, 400}));
  // A maximised window's frame stands beyond the edges and stays so.
  EXPECT_EQ(Fit_On_Screen({-8, -8, 784, 1040}, screen), (Window_Bounds{-8, -8, 784, 1040}));
  // Off every screen and of no size: the built-in size, at the screen's corner.
  EXPECT_EQ(Fit_On_Screen({-500, -500, -300, -400}, screen), (Window_Bounds{-10, -10, 300, 400}));
  // Extreme numbers neither overflow nor leave the screen.
  EXPECT_EQ(Fit_On_Screen({INT32_MAX, INT32_MIN, INT32_MAX, 5}, screen), (Window_Bounds{-10, -10, 788, 120}));
  // A second screen to the left counts as screen.
  EXPECT_EQ(Fit_On_Screen({100, -900, 300, 400}, {-1280, 0, 2304, 1024}).Left, -900);
}

TEST_F(StartupSettings, CloseStopsAtTheFirstRefusedWrite) {
  profile.fail_after = 3;
  Close_State state;
  EXPECT_THROW(Write_Close_Settings(file, state), Settings_Write_Error);
  ASSERT_EQ(profile.writes.size(), 3u);
  EXPECT_EQ(profile.writes.back().first, "Size/Left");
}

TEST_F(StartupSettings, UnknownLayoutLeavesTheStoredLayoutAlone) {
  Set("Size/Raskladka", "00000407");
  Close_State state;
  state.Layout_Name = std::nullopt;
  Write_Close_Settings(file, state);
  EXPECT_EQ(profile.values["Size/Raskladka"], "00000407");
  for (auto& w : profile.writes) EXPECT_NE(w.first, "Size/Raskladka");
  // Settings keys go out and come back, the page recognition among them.
  state.Model.Recognize_Page_On_Open = true;
  Write_Close_Settings(file, state);
  EXPECT_EQ(profile.values["Size/Raspoznavat_Kodirovku"], "1");
  EXPECT_TRUE(Read_Activation_Settings(file).Recognize_Page_On_Open);
}

}  // namespace
