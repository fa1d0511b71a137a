#include <gtest/gtest.h>

#include "app/window_state_tip.h"

namespace {
size_t Units(const std::string& text) { return tray_tip_detail::Utf16_Length(text); }
}  // namespace

TEST(AppWindowStateTip, NameThatFitsIsKept) {
  EXPECT_EQ(Tray_Tip("Лировушка.txt"), "Лировушка.txt");
  const std::string exact = "C:\\" + std::string(60, 'a');  // 63 units
  EXPECT_EQ(Tray_Tip(exact), exact);
}

TEST(AppWindowStateTip, LongPathKeepsItsRootAndItsLastFolders) {
  const std::string path =
      "C:\\Documents and Settings\\User\\Мои документы\\Проекты\\2026\\Отчёты\\декабрь\\итог.txt";
  ASSERT_GT(Units(path), 63u);
  const std::string tip = Tray_Tip(path);
  EXPECT_LE(Units(tip), 63u);
  EXPECT_EQ(tip.rfind("C:\\...\\", 0), 0u) << tip;
  EXPECT_EQ(tip, "C:\\...\\User\\Мои документы\\Проекты\\2026\\Отчёты\\декабрь\\итог.txt");
}

TEST(AppWindowStateTip, OverlongFileNameKeepsItsEnd) {
  const std::string name = std::string(80, 'x') + "-end.txt";
  const std::string tip = Tray_Tip("D:\\texts\\" + name);
  EXPECT_EQ(Units(tip), 63u);
  EXPECT_EQ(tip.substr(0, 3), "...");
  EXPECT_EQ(tip.substr(tip.size() - 8), "-end.txt");
}

TEST(AppWindowStateTip, CountsUtf16UnitsNotBytes) {
  // 70 Cyrillic letters: 140 bytes, 70 units.
  std::string name;
  for (int i = 0; i < 70; ++i) name += "я";
  const std::string tip = Tray_Tip(name);
  EXPECT_EQ(Units(tip), 63u);
  EXPECT_EQ(tip.size(), 3u + 60u * 2u);
}

TEST(AppWindowStateTip, SurrogatePairIsNeverSplit) {
  std::string name;
  for (int i = 0; i < 40; ++i) name += "\xF0\x9F\x93\x84";  // two units each
  const std::string tip = Tray_Tip(name);
  EXPECT_LE(Units(tip), 63u);
  EXPECT_EQ((tip.size() - 3) % 4, 0u);
  EXPECT_EQ(Units(tip), 3u + 60u);
}

TEST(AppWindowStateTip, SmallerFieldsAreRespected) {
  EXPECT_EQ(Tray_Tip("C:\\dir\\file.txt", 12), "...file.txt");
  EXPECT_EQ(Tray_Tip("C:\\directory\\file.txt", 16), "C:\\...\\file.txt");
  EXPECT_EQ(Tray_Tip("abcdef", 3), "ef");
  EXPECT_EQ(Tray_Tip("abcdef", 0), "");
}
