#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>

#include "common/ini_file.h"
#include "common/settings_file.h"
#include "app/startup_settings.h"

namespace {

std::string Temp_Path(const char* name) {
  return ::testing::TempDir() + std::string("lirovant_") + name + ".ini";
}

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void Put(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

TEST(ProfileInteger, AcceptsDecimalAndBothHexForms) {
  EXPECT_EQ(Parse_Profile_Integer("100"), 100);
  EXPECT_EQ(Parse_Profile_Integer("-2147483624"), -2147483624);
  EXPECT_EQ(Parse_Profile_Integer("0x64"), 100);
  EXPECT_EQ(Parse_Profile_Integer("0X64"), 100);
  EXPECT_EQ(Parse_Profile_Integer("$64"), 100);
  EXPECT_EQ(Parse_Profile_Integer("$80000018"), -2147483624);
  EXPECT_EQ(Parse_Profile_Integer("+7"), 7);
}

TEST(ProfileInteger, RejectsEverythingElse) {
  for (const char* bad :
       {"", "abc", "12abc", "yes", "0x", "$", "-", "1.5", "99999999999", "2147483648", "0x1FFFFFFFF", "$G1"})
    EXPECT_FALSE(Parse_Profile_Integer(bad).has_value()) << bad;
  EXPECT_EQ(Parse_Profile_Integer("-2147483648"), INT32_MIN);
}

TEST(IniFile, ReadsCaseInsensitiveTrimmedAndUnquoted) {
  const auto path = Temp_Path("read");
  Put(path, "[SIZE]\r\n top = 0x64 \r\n; note\r\nPath=\"C:\\a b\"\r\nEmpty=\r\n[Other]\r\nTop=5\r\n");
  Ini_File ini(path);
  Settings_File file(ini);
  EXPECT_EQ(file.Read_Integer("Size", "Top", 80), 100);
  EXPECT_EQ(file.Read_String("size", "path", "x"), "C:\\a b");
  EXPECT_EQ(file.Read_String("Size", "Empty", "default"), "");
  EXPECT_EQ(file.Read_String("Size", "Missing", "default"), "default");
  EXPECT_TRUE(file.Key_Exists("Size", "Empty"));
  EXPECT_FALSE(file.Key_Exists("Size", "Missing"));
  std::remove(path.c_str());
}

TEST(IniFile, WritesInPlaceAppendsKeysToSectionAndSectionsToFile) {
  const auto path = Temp_Path("write");
  std::remove(path.c_str());
  Ini_File ini(path);
  EXPECT_TRUE(ini.Write("Find", "Text", "abc"));
  EXPECT_TRUE(ini.Write("Size", "Path", " C:\\x y "));
  EXPECT_TRUE(ini.Write("Size", "Top", "80"));
  EXPECT_TRUE(ini.Write("File_Store", "FileName1", ""));
  EXPECT_TRUE(ini.Write("size", "top", "81"));
  EXPECT_TRUE(ini.Write("Find", "Other", "q"));
  EXPECT_EQ(Slurp(path),
            "[Find]\r\nText=abc\r\nOther=q\r\n[Size]\r\nPath=C:\\x y\r\nTop=81\r\n"
            "[File_Store]\r\nFileName1=\r\n");
  std::remove(path.c_str());
}

TEST(IniFile, KeepsCyrillicAsWindows1251) {
  const auto path = Temp_Path("cyr");
  std::remove(path.c_str());
  Ini_File ini(path);
  ini.Write("Find", "Text", "Введите");
  EXPECT_EQ(Slurp(path), "[Find]\r\nText=\xC2\xE2\xE5\xE4\xE8\xF2\xE5\r\n");
  EXPECT_EQ(ini.Read("Find", "Text"), "Введите");
  std::remove(path.c_str());
}

TEST(IniFile, RefusedWriteRaisesTheSettingsError) {
  Ini_File ini("/nonexistent-dir/Lirovant.ini");
  Settings_File file(ini);
  try {
    file.Write_Integer("Size", "Top", 1);
    FAIL() << "no error";
  } catch (const Settings_Write_Error& e) {
    EXPECT_STREQ(e.what(), "Unable to write to /nonexistent-dir/Lirovant.ini");
  }
}

// A short fuzz run: values made of the pieces that could break a line-based
// file, each written and read back through the file as the program keeps it.
TEST(SettingsFile, EveryStringReadsBackTheSameAndNoValueChangesTheFilesShape) {
  const auto path = Temp_Path("fuzz");
  std::remove(path.c_str());
  Ini_File ini(path);
  Settings_File file(ini);
  file.Write_Integer("Size", "Top", 80);
  const std::vector<std::string> pieces = {"\r",
                                           "\n",
                                           "\r\n",
                                           "[Size]",
                                           "Top=1",
                                           "=",
                                           " ",
                                           "\t",
                                           "\"",
                                           "'",
                                           "%",
                                           "%4",
                                           "utf-8:",
                                           "\x01",
                                           "x",
                                           "Привет",
                                           "αβγ",
                                           "中文",
                                           "C:\\Docs\\a.txt",
                                           std::string(300, 'w'),
                                           ";",
                                           "\xE2\x82\xAC"};
  std::mt19937 random(2026);
  for (int round = 0; round < 400; ++round) {
    std::string value;
    for (int n = random() % 6; n > 0; --n) value += pieces[random() % pieces.size()];
    const std::string key = "Text" + std::to_string(round % 7);
    file.Write_String("Find", key, value);
    ASSERT_EQ(file.Read_String("Find", key, "<none>"), value) << "round " << round;
  }
  EXPECT_EQ(file.Read_Integer("Size", "Top", 0), 80);
  std::istringstream lines(Slurp(path));
  int sections = 0;
  for (std::string line; std::getline(lines, line);) sections += !line.empty() && line[0] == '[';
  EXPECT_EQ(sections, 2);
  // What needs no escape is stored as it always was.
  file.Write_String("Find", "Plain", "Введите слово");
  EXPECT_NE(Slurp(path).find("Plain=\xC2\xE2\xE5\xE4\xE8\xF2\xE5 \xF1\xEB\xEE\xE2\xEE\r\n"),
            std::string::npos);
  std::remove(path.c_str());
}

TEST(SettingsFile, BooleansAreNonZeroNumbersWithNumericDefaults) {
  const auto path = Temp_Path("bool");
  Put(path, "[Size]\r\nStatusBar=2\r\nEscape=yes\r\nSys_Tray=0\r\nTop=abc\r\n");
  Ini_File ini(path);
  Settings_File file(ini);
  EXPECT_TRUE(file.Read_Bool("Size", "StatusBar", false));
  EXPECT_TRUE(file.Read_Bool("Size", "Escape", true));
  EXPECT_FALSE(file.Read_Bool("Size", "Escape", false));
  EXPECT_FALSE(file.Read_Bool("Size", "Sys_Tray", true));
  EXPECT_EQ(file.Read_Integer("Size", "Top", 80), 80);
  std::remove(path.c_str());
}

// The whole cycle on a first run: nothing stored, close at once.
TEST(SettingsFile, FirstRunCloseWritesEveryDefaultInOrder) {
  const auto path = Temp_Path("first");
  std::remove(path.c_str());
  Ini_File ini(path);
  Settings_File file(ini);
  const auto created = Read_Creation_Settings(file, {}, "C:\\Prog\\Lirovant.exe");
  const auto model = Read_Activation_Settings(file);
  Close_State state;
  state.Dialog_Path = created.Dialog_Path;
  state.Bounds = created.Bounds;
  state.Normal_Bounds = created.Normal_Bounds;
  state.Layout_Name = "00000409";
  state.Maximized = created.Maximized;
  state.Model = model;
  state.Undo_Limit = model.Undo_Limit;
  state.Back_Color = created.Back_Color;
  state.Font = created.Font;
  state.Word_Wrap = created.Word_Wrap;
  state.Files = created.Files;
  Write_Close_Settings(file, state);

  std::string expected =
      "[Size]\r\nPath=C:\\Prog\\Lirovant.exe\r\nTop=80\r\nLeft=80\r\nHeight=300\r\nWidth=400\r\n"
      "Top_Store=80\r\nLeft_Store=80\r\nHeight_Store=300\r\nWidth_Store=400\r\n"
      "Raskladka=00000409\r\nWindowState=wsNormal\r\nSys_Tray=0\r\nKol_Undo=50\r\n"
      "Raskladka_Default=1\r\nEscape=1\r\nStatusBar=1\r\nPoziciya_Kursora=1\r\nRaspoznavat_Kodirovku=0\r\n"
      "[Sound]\r\nSound1=1\r\nSound2=1\r\nSound3=1\r\nSound4=1\r\nSound5=1\r\n"
      "Play1=Sound\\Zapusk.wav\r\nPlay2=Sound\\Razvern.wav\r\nPlay3=Sound\\Raspahn.wav\r\n"
      "Play4=Sound\\Svernut.wav\r\nPlay5=Sound\\Vyhod.wav\r\n"
      "[Font]\r\nBackColor=-2147483624\r\nFontColor=0\r\nFontName=Courier New\r\nCharset=204\r\n"
      "FontSize=12\r\nFontStyle=0\r\nWordWrap=1\r\n"
      "[File_Store]\r\n";
  for (int n = 1; n <= 8; ++n) expected += "FileName" + std::to_string(n) + "=\r\n";
  expected += "[Poziciya_Store]\r\n";
  for (int n = 1; n <= 8; ++n) expected += "Poziciya_Kursora_" + std::to_string(n) + "=0\r\n";
  EXPECT_EQ(Slurp(path), expected);
  std::remove(path.c_str());
}

}  // namespace
