// The settings dialog's OK, Cancel and title-bar close over an in-memory
// registry and the fake main window.
#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_platform.h"
#include "fakes/settings_dialog_fakes.h"
#include "settings/settings_form.h"
#include "settings/sound_browse.h"
#include "fakes/registry_memory.h"

namespace {

constexpr int kTXT = 0, kINI = 1, kDIZ = 2, kBAT = 5, kREG = 6, kBAK = 9;

class SettingsDialogForm : public ::testing::Test {
 protected:
  SettingsDialogForm() {
    live.Minimize_To_Tray = true;
    live.Show_Status_Bar = true;
    live.Undo_Limit = 50;
    live.Layout_Mode = 2;
    live.Sound_On = {true, false, true, false, true};
    live.Sound_File = {"a.wav", "b.wav", "c.wav", "d.wav", "e.wav"};
    edit.undo_limit = 50;
    form.Fill_From_Settings();
  }

  // Opening as Show_Settings_Dialog does it, up to the dialog's activation.
  void Open() {
    form.Prepare_Options();
    form.On_Show();
  }

  std::string Default(const std::string& key) { return registry.Read_String(key, "").value_or("<none>"); }

  Settings_Model live;
  Fake_Edit edit;
  Memory_Registry registry;
  Fake_Settings_Form_Host host;
  Fake_Prompts prompts;
  Settings_Form form{live, edit, registry, host, prompts};
};

TEST_F(SettingsDialogForm, OpeningShowsLiveSettingsBindingsAndUndoLimit) {
  Associate_Type(registry, host.target, "INI", "2");
  Associate_Type(registry, host.target, "REG", "0");
  edit.undo_limit = 333;
  Open();

  const Settings_Controls& c = form.Controls;
  for (int i = 0; i < kFile_Type_Count; ++i)
    EXPECT_EQ(c.File_Types[i], i == kINI || i == kREG) << kFile_Type_Boxes[i].type;
  EXPECT_TRUE(c.Settings.Minimize_To_Tray);
  EXPECT_EQ(c.Settings.Layout_Mode, 2);
  EXPECT_EQ(c.Settings.Sound_File[3], "d.wav");
  EXPECT_EQ(c.Settings.Undo_Limit, 333);
  EXPECT_FALSE(form.Undo_Edited);
  EXPECT_EQ(form.Snapshot.File_Types, c.File_Types);
  EXPECT_EQ(form.Snapshot.Settings.Undo_Limit, 50);
}

TEST_F(SettingsDialogForm, OpeningUnticksBoxOfBindingRemovedMeanwhile) {
  Associate_Type(registry, host.target, "TXT", "1");
  Open();
  ASSERT_TRUE(form.Controls.File_Types[kTXT]);
  form.Title_Bar_Close();
  Dissociate_Type(registry, "TXT");

  Open();
  EXPECT_FALSE(form.Controls.File_Types[kTXT]);
  // Ticking it now really binds it.
  form.Controls.File_Types[kTXT] = true;
  ASSERT_TRUE(form.Accept());
  EXPECT_EQ(Default(".TXT"), "TXT_Lirovant_ZMK");
}

TEST_F(SettingsDialogForm, BoxTickedBeforeTitleBarCloseIsNotShownAsBound) {
  Open();
  form.Controls.File_Types[kDIZ] = true;
  form.Title_Bar_Close();
  EXPECT_FALSE(registry.Key_Exists("DIZ_Lirovant_ZMK"));

  Open();
  EXPECT_FALSE(form.Controls.File_Types[kDIZ]);
}

TEST_F(SettingsDialogForm, OkAppliesStatusBarUndoLimitAndCopiesControls) {
  Open();
  form.Controls.Settings.Show_Status_Bar = false;
  form.Controls.Settings.Escape_Closes = true;
  form.Controls.Settings.Layout_Mode = 4;
  form.Controls.Settings.Sound_File[0] = "new.wav";
  form.Undo_Limit_Changed(80);

  ASSERT_TRUE(form.Accept());
  EXPECT_FALSE(host.status_visible);
  EXPECT_EQ(edit.undo_limit, 80);
  EXPECT_FALSE(live.Show_Status_Bar);
  EXPECT_TRUE(live.Escape_Closes);
  EXPECT_EQ(live.Layout_Mode, 4);
  EXPECT_EQ(live.Sound_File[0], "new.wav");
  EXPECT_EQ(live.Undo_Limit, 80);
  EXPECT_TRUE(prompts.errors.empty());
}

TEST_F(SettingsDialogForm, OkBindsAndUnbindsOnlyChangedBoxes) {
  Associate_Type(registry, host.target, "BAT", "0");
  registry.Write_String(".ini", "", "inifile");
  Open();
  form.Controls.File_Types[kTXT] = true;
  form.Controls.File_Types[kINI] = true;
  form.Controls.File_Types[kBAT] = false;

  ASSERT_TRUE(form.Accept());
  EXPECT_EQ(Default(".TXT"), "TXT_Lirovant_ZMK");
  EXPECT_EQ(Default("TXT_Lirovant_ZMK\\DefaultIcon"), "\"C:\\Лиро\\Lirovant.exe\",1");
  EXPECT_EQ(Default("INI_Lirovant_ZMK\\DefaultIcon"), "\"C:\\Лиро\\Lirovant.exe\",2");
  EXPECT_EQ(Default("INI_Lirovant_Store"), "inifile");
  EXPECT_FALSE(registry.Key_Exists("BAT_Lirovant_Store"));
  EXPECT_EQ(Default("batfile\\shell\\edit\\command"), "C:\\WINDOWS\\NOTEPAD.EXE %1");
  EXPECT_FALSE(registry.Key_Exists("DIZ_Lirovant_ZMK"));
}

TEST_F(SettingsDialogForm, OkWithoutChangedBoxesLeavesRegistryAlone) {
  Associate_Type(registry, host.target, "TXT", "1");
  Open();
  // Someone else unbinds TXT while the dialog is open: its box still shows
  // what the dialog found, so OK has nothing to do.
  Dissociate_Type(registry, "TXT");
  const int changes = registry.Change_Count();
  form.Controls.Settings.Minimize_To_Tray = false;

  ASSERT_TRUE(form.Accept());
  EXPECT_EQ(registry.Change_Count(), changes);
  EXPECT_FALSE(registry.Key_Exists("TXT_Lirovant_ZMK"));
}

TEST_F(SettingsDialogForm, RegistryErrorEndsOkAfterWhatWasAlreadyDone) {
  Open();
  form.Controls.File_Types[kTXT] = true;
  form.Controls.File_Types[kINI] = true;
  form.Controls.File_Types[kBAK] = true;
  form.Controls.Settings.Show_Status_Bar = false;
  form.Undo_Limit_Changed(500);
  registry.Deny_Changes_Under("INI_Lirovant_Store");

  EXPECT_FALSE(form.Accept());
  ASSERT_EQ(prompts.errors.size(), 1u);
  EXPECT_EQ(prompts.errors[0], "Failed to set data for ''");
  // Applied before the failing type.
  EXPECT_FALSE(host.status_visible);
  EXPECT_EQ(edit.undo_limit, 500);
  EXPECT_FALSE(live.Show_Status_Bar);
  EXPECT_EQ(Default(".TXT"), "TXT_Lirovant_ZMK");
  // Skipped from the failing type on, the undo reminder with it.
  EXPECT_FALSE(registry.Key_Exists("INI_Lirovant_ZMK"));
  EXPECT_FALSE(registry.Key_Exists("BAK_Lirovant_Store"));
  EXPECT_TRUE(host.notices.empty());
  EXPECT_EQ(prompts.beeps, 0);
}

TEST_F(SettingsDialogForm, CancelPutsBackTheSnapshotButNotTheFileFields) {
  Associate_Type(registry, host.target, "TXT", "1");
  Open();
  form.Controls.Settings.Minimize_To_Tray = false;
  form.Controls.Settings.Caret_Memory = true;
  form.Controls.Settings.Sound_On[1] = true;
  form.Controls.Settings.Sound_File[1] = "other.wav";
  form.Controls.Settings.Layout_Mode = 3;
  form.Controls.Settings.Show_Status_Bar = false;
  form.Controls.File_Types[kTXT] = false;
  form.Controls.File_Types[kREG] = true;
  form.Undo_Limit_Changed(900);
  const int changes = registry.Change_Count();

  form.Cancel();
  EXPECT_TRUE(live.Minimize_To_Tray);
  EXPECT_FALSE(live.Caret_Memory);
  EXPECT_FALSE(live.Sound_On[1]);
  EXPECT_EQ(live.Sound_File[1], "other.wav");  // the file fields are not put back
  EXPECT_EQ(live.Layout_Mode, 2);
  EXPECT_TRUE(live.Show_Status_Bar);
  EXPECT_EQ(live.Undo_Limit, 50);
  EXPECT_TRUE(form.Controls.File_Types[kTXT]);
  EXPECT_FALSE(form.Controls.File_Types[kREG]);
  EXPECT_EQ(form.Controls.Settings.Layout_Mode, 2);
  EXPECT_EQ(registry.Change_Count(), changes);
  EXPECT_TRUE(host.status_changes.empty());
  EXPECT_EQ(edit.undo_limit, 50);
}

TEST_F(SettingsDialogForm, CancelTicksBarExactlyWhenTheStatusBarWasShown) {
  live.Show_Status_Bar = true;
  host.status_visible = false;
  Open();
  form.Cancel();
  EXPECT_FALSE(live.Show_Status_Bar);
}

TEST_F(SettingsDialogForm, TitleBarCloseKeepsEditsButAppliesNothing) {
  Open();
  form.Controls.Settings.Minimize_To_Tray = false;
  form.Controls.Settings.Show_Status_Bar = false;
  form.Controls.File_Types[kTXT] = true;
  form.Undo_Limit_Changed(700);
  const int changes = registry.Change_Count();

  form.Title_Bar_Close();
  EXPECT_FALSE(live.Minimize_To_Tray);
  EXPECT_FALSE(live.Show_Status_Bar);
  EXPECT_EQ(live.Undo_Limit, 50);
  EXPECT_EQ(edit.undo_limit, 50);
  EXPECT_TRUE(host.status_changes.empty());
  EXPECT_EQ(registry.Change_Count(), changes);
}

TEST_F(SettingsDialogForm, UndoWarningOnlyAboveHundredAndOncePerEdit) {
  Open();
  form.Undo_Limit_Changed(100);
  ASSERT_TRUE(form.Accept());
  EXPECT_TRUE(host.notices.empty());

  Open();
  form.Undo_Limit_Changed(101);
  ASSERT_TRUE(form.Accept());
  ASSERT_EQ(host.notices.size(), 1u);
  EXPECT_EQ(host.notices[0],
            "  Напоминаю, что большое увеличение значения количеств \"Undo\" (отмена действий)\n"
            "приведет к расходу оперативной памяти и замедлению работы Лированика.");
  EXPECT_EQ(prompts.beeps, 1);
  EXPECT_EQ(edit.undo_limit, 101);

  // Reopened at 101 and confirmed without touching the spin box.
  Open();
  EXPECT_EQ(form.Controls.Settings.Undo_Limit, 101);
  ASSERT_TRUE(form.Accept());
  EXPECT_EQ(host.notices.size(), 1u);

  // A change back and forth is still an edit.
  Open();
  form.Undo_Limit_Changed(102);
  form.Undo_Limit_Changed(101);
  ASSERT_TRUE(form.Accept());
  EXPECT_EQ(host.notices.size(), 2u);
}

TEST_F(SettingsDialogForm, SpinBoxTextBecomesUndoDepthWithinRange) {
  EXPECT_EQ(Undo_Limit_From_Text("0"), 0);
  EXPECT_EQ(Undo_Limit_From_Text("65535"), 65535);
  EXPECT_EQ(Undo_Limit_From_Text("65536"), 65535);
  EXPECT_EQ(Undo_Limit_From_Text("99999999999"), 65535);
  EXPECT_EQ(Undo_Limit_From_Text(""), 0);
  EXPECT_EQ(Undo_Limit_From_Text("12x4"), 12);
}

// The browse button starts at the row's file, a bare name taken from the
// program's folder as the sounds are played; without it, in Sound.
TEST(SoundBrowse, StartsAtTheRowsFileOrInTheProgramsSoundFolder) {
  Fake_Files files;
  files.contents["C:\\Prog\\Sound\\Zapusk.wav"] = "RIFF";
  files.contents["D:\\Music\\bell.wav"] = "RIFF";
  const std::string exe = "C:\\Prog\\Lirovant.exe";
  EXPECT_EQ(Sound_Browse_Start_Of("Sound\\Zapusk.wav", exe, files).File, "C:\\Prog\\Sound\\Zapusk.wav");
  EXPECT_EQ(Sound_Browse_Start_Of("D:\\Music\\bell.wav", exe, files).File, "D:\\Music\\bell.wav");
  for (const char* row : {"", "Sound\\Vyhod.wav", "D:\\Gone\\bell.wav"}) {
    const Sound_Browse_Start start = Sound_Browse_Start_Of(row, exe, files);
    EXPECT_EQ(start.File, "") << row;
    EXPECT_EQ(start.Folder, "C:\\Prog\\Sound") << row;
  }
}

}  // namespace
