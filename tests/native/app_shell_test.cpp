// Status texts, keyboard layouts, event sounds and the command line.
#include <gtest/gtest.h>

#include "app/event_sounds.h"
#include "platform/keyboard_layout.h"
#include "app/lifecycle.h"
#include "app/menu_letters.h"
#include "common/program_paths.h"
#include "platform/status_layout.h"
#include "platform/status_text.h"
#include "fakes/fake_platform.h"

namespace {

TEST(StatusRefresh, LineColumnAndCountFollowTheCaret) {
  Fake_Edit edit;
  Fake_Panels panels;
  Search_State search;
  // The caret stands on a line even in an empty text.
  Status_Refresh(edit, panels, search);
  EXPECT_EQ(panels.panels[0], " Строка: 1: 0");
  EXPECT_EQ(panels.panels[1], " Всего строк: 1");

  edit.text = "abc\r";
  edit.sel = {3, 3};
  Status_Refresh(edit, panels, search);
  EXPECT_EQ(panels.panels[0], " Строка: 1: 3");
  EXPECT_EQ(panels.panels[1], " Всего строк: 1");
  // After the final break the caret's line counts, and only then.
  edit.sel = {4, 4};
  Status_Refresh(edit, panels, search);
  EXPECT_EQ(panels.panels[0], " Строка: 2: 0");
  EXPECT_EQ(panels.panels[1], " Всего строк: 2");

  edit.text = "abc\rdefg\rhi";
  edit.sel = {0, 7};  // the end of the selection is the caret
  Status_Refresh(edit, panels, search);
  EXPECT_EQ(panels.panels[0], " Строка: 2: 3");
  EXPECT_EQ(panels.panels[1], " Всего строк: 3");
}

TEST(StatusLayout, PanelsGiveUpTheirSurplusAlikeAndKeepWhatTheirTextsNeed) {
  const std::vector<Panel_Room> rooms = {{60, 130}, {70, 130}, {0, 206}, {40, 80}};
  using Edges = std::vector<int>;
  EXPECT_EQ(Panel_Right_Edges(rooms, 1000), (Edges{130, 260, 466, 546}));
  // Half the surplus of 376: each panel keeps half of its own, and the
  // shares add up to the bar's width.
  EXPECT_EQ(Panel_Right_Edges(rooms, 170 + 188), (Edges{95, 195, 298, 358}));
  EXPECT_EQ(Panel_Right_Edges(rooms, 170), (Edges{60, 130, 130, 170}));
  // Too narrow even for the needs: they are kept, and the end is cut off.
  EXPECT_EQ(Panel_Right_Edges(rooms, 100), (Edges{60, 130, 130, 170}));
}

TEST(StatusRefresh, SearchCountersTakePanelTwoOnlyWhileADialogIsOpen) {
  Fake_Edit edit;
  Fake_Panels panels;
  panels.panels[2] = kInsertText;
  Search_State search;
  Status_Refresh(edit, panels, search);
  EXPECT_EQ(panels.panels[2], kInsertText);
  search.Find_Open = true;
  search.Search_Count = 4;
  Status_Refresh(edit, panels, search);
  EXPECT_EQ(panels.panels[2], " Всего найдено: 4");
  search = {};
  search.Replace_Open = true;
  search.Search_Count = 2;
  Status_Refresh(edit, panels, search);
  EXPECT_EQ(panels.panels[2], " Всего замен: 2");
}

TEST(InsertKey, TogglesOnlyTheModeIndicator) {
  EXPECT_EQ(Insert_Key_Toggle(kInsertText), kOverwriteText);
  EXPECT_EQ(Insert_Key_Toggle(Insert_Key_Toggle(kInsertText)), kInsertText);
  EXPECT_EQ(Insert_Key_Toggle(" Всего найдено: 3"), " Всего найдено: 3");
  EXPECT_EQ(Insert_Key_Toggle("Делаю:"), "Делаю:");
}

TEST(KeyboardLayout, GuardSwitchesToRussianAndRestoresOnlyEnglishOrRussian) {
  Fake_Keyboard kb;
  kb.current = 0x04090409u;
  {
    Layout_Guard guard(kb);
    EXPECT_EQ(kb.current, 0x04190419u);
  }
  EXPECT_EQ(kb.current, 0x04090409u);

  kb.current = 0x04070407u;  // German stays Russian after the command
  { Layout_Guard guard(kb); }
  EXPECT_EQ(kb.current, 0x04190419u);

  kb.current = 0x04090409u;
  try {
    Layout_Guard guard(kb);
    throw 1;
  } catch (int) {
  }
  EXPECT_EQ(kb.current, 0x04090409u);
}

TEST(KeyboardLayout, CloseRecordsOnlyTheThreeKnownLayouts) {
  EXPECT_EQ(Layout_Name_To_Record(0x04070407u), "00000407");
  EXPECT_EQ(Layout_Name_To_Record(0x04090409u), "00000409");
  EXPECT_EQ(Layout_Name_To_Record(0x04190419u), "00000419");
  EXPECT_FALSE(Layout_Name_To_Record(0x040C040Cu).has_value());
  EXPECT_FALSE(Layout_Name_To_Record(0xF0020409u).has_value());
  EXPECT_STREQ(Layout_Mode_Label(1), "всегда по умолчанию");
  EXPECT_STREQ(Layout_Mode_Label(2), "всегда запоминается при выходе");
  EXPECT_STREQ(Layout_Mode_Label(3), "всегда английская");
  EXPECT_STREQ(Layout_Mode_Label(4), "всегда русская");
}

TEST(EventSounds, TickedWithAPathPlaysWithItsFlags) {
  Settings_Model model;
  model.Sound_On = {true, true, false, true, true};
  model.Sound_File = {"a.wav", "b.wav", "c.wav", "", "e.wav"};
  Fake_Sound sound;
  for (int n = 1; n <= 5; ++n) Play_Event_Sound(model, n, sound);
  ASSERT_EQ(sound.played.size(), 3u);
  EXPECT_EQ(sound.played[0], std::make_pair(std::string("a.wav"), kSoundAsync));
  EXPECT_EQ(sound.played[1], std::make_pair(std::string("b.wav"), kSoundAsync));
  EXPECT_EQ(sound.played[2], std::make_pair(std::string("e.wav"), kSoundNoStop));
}

// The recent-files list: each item its own letter where its text has one.
TEST(MenuLetters, EachItemUnderlinesItsFirstLetterNotUsedAbove) {
  std::wstring used;
  EXPECT_EQ(With_Menu_Letter("C:\\Docs\\a&b.txt\tAlt+1", used), "&C:\\Docs\\a&&b.txt\tAlt+1");
  EXPECT_EQ(With_Menu_Letter("c:\\Дом\\дача.txt\tAlt+2", used), "c:\\&Дом\\дача.txt\tAlt+2");
  EXPECT_EQ(With_Menu_Letter("C:\\Д\\x\tAlt+3", used), "C:\\Д\\&x\tAlt+3");
  // Nothing left before the shortcut: no letter rather than one of "Alt".
  EXPECT_EQ(With_Menu_Letter("cд\tAlt+4", used), "cд\tAlt+4");
  EXPECT_EQ(used, L"cдx");
}

TEST(ProgramPaths, PrefixIsTheFolderWhateverTheFileIsCalled) {
  EXPECT_EQ(Program_Prefix("C:\\Prog\\Lirovant.exe"), "C:\\Prog\\");
  EXPECT_EQ(Program_Prefix("C:\\Prog\\editor-renamed.exe"), "C:\\Prog\\");
  EXPECT_EQ(Settings_File_Path("C:\\A\\x.exe"), "C:\\A\\Lirovant.ini");
  EXPECT_EQ(Help_File_Path("C:\\A\\x.exe"), "C:\\A\\Help\\Lirovant.hlp");
  EXPECT_TRUE(Is_Rooted_Path("C:\\x.txt"));
  EXPECT_TRUE(Is_Rooted_Path("\\\\srv\\share\\x.txt"));
  EXPECT_FALSE(Is_Rooted_Path("notes\\x.txt"));
  EXPECT_EQ(Long_Path_Form("C:\\Док\\a.txt"), "\\\\?\\C:\\Док\\a.txt");
  EXPECT_EQ(Long_Path_Form("\\\\srv\\share\\a.txt"), "\\\\?\\UNC\\srv\\share\\a.txt");
  EXPECT_EQ(Without_Long_Path_Prefix("\\\\?\\C:\\Док\\a.txt"), "C:\\Док\\a.txt");
  EXPECT_EQ(Without_Long_Path_Prefix("\\\\?\\UNC\\srv\\share\\a.txt"), "\\\\srv\\share\\a.txt");
  EXPECT_EQ(Without_Long_Path_Prefix("C:\\a.txt"), "C:\\a.txt");
  for (const char* kept : {"\\\\?\\C:\\a.txt", "\\\\.\\COM1", "notes\\a.txt", "C:a.txt", ""})
    EXPECT_EQ(Long_Path_Form(kept), kept);
  for (const char* device : {"nul.txt", "C:\\x\\COM1.log", "Con", "lpt9", "aux .txt", "D:prn"})
    EXPECT_TRUE(Is_Device_Name(device)) << device;
  for (const char* file : {"null.txt", "C:\\nul\\a.txt", "COM0", "com10.txt", "Лировушка.txt", ""})
    EXPECT_FALSE(Is_Device_Name(file)) << file;
}

struct CommandLine : ::testing::Test {
  Fake_Files files;
  Fake_Prompts prompts;
  Fake_Shell shell;
  Command_Line_Document Open(std::vector<std::string> args) {
    return Open_Command_Line(args, "C:\\Prog\\", files, prompts, shell);
  }
};

// The bytes come back untouched: the edit area takes them by the open
// dialog's rule, so a rich-text file is not read as its markup.
TEST_F(CommandLine, AnExistingFileIsLoadedAsItIsOnDisk) {
  files.contents["C:\\d\\a.rtf"] = "{\\rtf1 one\r\ntwo}";
  auto doc = Open({"C:\\d\\a.rtf"});
  EXPECT_EQ(doc.Name, "C:\\d\\a.rtf");
  ASSERT_TRUE(doc.Bytes);
  EXPECT_EQ(doc.Bytes->View(), "{\\rtf1 one\r\ntwo}");
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_TRUE(shell.recent.empty());  // its load tells the shell
}

TEST_F(CommandLine, MissingRelativeFileAnsweredYesGoesBehindThePrefix) {
  auto doc = Open({"new.txt"});
  ASSERT_EQ(prompts.asked.size(), 1u);
  EXPECT_EQ(prompts.asked[0], "Создать файл с именем: new.txt ?");
  EXPECT_EQ(doc.Name, "C:\\Prog\\new.txt");
  EXPECT_FALSE(doc.Bytes);
  EXPECT_EQ(shell.recent, std::vector<std::string>{"C:\\Prog\\new.txt"});
}

TEST_F(CommandLine, MissingAbsoluteFileAnsweredYesStaysAsItStands) {
  auto doc = Open({"D:\\work\\new.txt"});
  EXPECT_EQ(doc.Name, "D:\\work\\new.txt");
}

TEST_F(CommandLine, AnsweredNoGivesTheUntitledDocument) {
  prompts.answers = {Answer::No};
  auto doc = Open({"new.txt"});
  EXPECT_EQ(doc.Name, "Лировушка.txt");
  EXPECT_EQ(shell.recent, std::vector<std::string>{"Лировушка.txt"});
}

// Offering to create it would lead to a save that empties a file nobody saw.
TEST_F(CommandLine, AFileThatIsThereButCannotBeReadIsReportedNotOfferedAsNew) {
  files.unreadable = {"C:\\d\\locked.txt"};
  auto doc = Open({"C:\\d\\locked.txt"});
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_EQ(prompts.errors, std::vector<std::string>{"Cannot open file C:\\d\\locked.txt"});
  EXPECT_EQ(doc.Name, "Лировушка.txt");
  EXPECT_FALSE(doc.Bytes);
}

TEST_F(CommandLine, NoneOrSeveralArgumentsGiveTheUntitledDocument) {
  files.contents["a"] = "x";
  EXPECT_EQ(Open({}).Name, "Лировушка.txt");
  EXPECT_EQ(Open({"a", "b"}).Name, "Лировушка.txt");
  EXPECT_TRUE(prompts.asked.empty());
  EXPECT_TRUE(shell.recent.empty());
}

TEST(ClosingProgram, ExitSoundFirstThenSettingsAndAFailedWriteIsReported) {
  Memory_Profile profile;
  profile.fail_after = 0;
  Settings_File file(profile);
  Fake_Sound sound;
  Fake_Prompts prompts;
  Close_State state;
  state.Model.Sound_On[4] = true;
  state.Model.Sound_File[4] = "Sound\\Vyhod.wav";
  Close_Program(state, file, sound, prompts);
  ASSERT_EQ(sound.played.size(), 1u);
  EXPECT_EQ(sound.played[0].second, kSoundNoStop);
  ASSERT_EQ(prompts.errors.size(), 1u);
  EXPECT_EQ(prompts.errors[0], "Unable to write to C:\\Prog\\Lirovant.ini");
}

}  // namespace
