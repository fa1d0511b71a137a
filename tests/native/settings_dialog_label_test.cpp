// The start-up layout label under the settings dialog's slider.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fakes/settings_dialog_fakes.h"
#include "settings/layout_mode_label.h"

namespace {

TEST(SettingsDialogLabel, ModesOneToFourNameTheirLayoutOthersChangeNothing) {
  Fake_Layout_Label label;
  const char* texts[] = {"всегда по умолчанию", "всегда запоминается при выходе", "всегда английская",
                         "всегда русская"};
  for (int mode = 4; mode >= 1; --mode) {
    Set_Layout_Label(label, mode);
    EXPECT_EQ(label.text, texts[mode - 1]);
  }
  Set_Layout_Label(label, 3);
  for (int mode : {0, 5, -1}) {
    Set_Layout_Label(label, mode);
    EXPECT_EQ(label.text, "всегда английская");
  }
}

TEST(SettingsDialogLabel, SliderMoveBlinksThreeTimesAndEndsVisible) {
  Fake_Layout_Label label;
  bool blinking = false;
  Layout_Mode_Moved(label, 2, blinking);

  std::vector<std::string> expected = {"text", "highlight"};
  for (int i = 0; i < 3; ++i)
    for (const char* shown : {"hide", "show"})
      for (const char* step : {shown, "messages", "delay 200"}) expected.push_back(step);
  expected.push_back("face");
  EXPECT_EQ(label.steps, expected);
  EXPECT_EQ(label.text, "всегда запоминается при выходе");
  EXPECT_TRUE(label.visible);
  EXPECT_FALSE(blinking);
}

TEST(SettingsDialogLabel, MoveDuringBlinkOnlyChangesTheText) {
  Fake_Layout_Label label;
  bool blinking = false;
  static bool* flag;
  flag = &blinking;
  label.pending.push_back([](Fake_Layout_Label& l) { Layout_Mode_Moved(l, 4, *flag); });
  Layout_Mode_Moved(label, 3, blinking);

  EXPECT_EQ(label.text, "всегда русская");
  EXPECT_TRUE(label.visible);
  EXPECT_FALSE(label.highlighted);
  int toggles = 0;
  for (const auto& step : label.steps) toggles += step == "hide" || step == "show";
  EXPECT_EQ(toggles, 6);
}

}  // namespace
