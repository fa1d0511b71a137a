// The settings dialog's OK, Cancel and title-bar close over an in-memory
// registry and the fake main window.
#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_platform.h"
#include "fakes/settings_dialog_fakes.h"
#include "settings/settings_form.h"
#include "fakes/registry_memory.h"

namespace {

constexpr int kTXT = 0, kINI = 1, kDIZ = 2, kBAT = 5, kREG = 6, kBAK = 9;

class SettingsDialogForm : public ::testing::Test {
 protected:
  SettingsDialogForm() {
    live.Sys_Tray = true;
    live.Bar = true;
    live.Kol_Undo = 50;
    live.RxSlider = 2;
    live.Sound = {true, false, true, false, true};
    live.Edit = {"a.wav", "b.wav", "c.wav", "d.wav", "e.wav"};
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
  Fake_Nastroyki_Host host;
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
  EXPECT_TRUE(c.Settings.Sys_Tray);
  EXPECT_EQ(c.Settings.RxSlider, 2);
  EXPECT_EQ(c.Settings.Edit[3], "d.wav");
  EXPECT_EQ(c.Settings.Kol_Undo, 333);
  EXPECT_FALSE(form.Undo_Edited);
  EXPECT_EQ(form.Snapshot.File_Types, c.File_Types);
  EXPECT_EQ(form.Snapshot.Settings.Kol_Undo, 50);
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
  form.Controls.Settings.Bar = false;
  form.Controls.Settings.Escape = true;
  form.Controls.Settings.RxSlider = 4;
  form.Controls.Settings.Edit[0] = "new.wav";
  form.Undo_Limit_Changed(80);

  ASSERT_TRUE(form.Accept());
  EXPECT_FALSE(host.status_visible);
  EXPECT_EQ(edit.undo_limit, 80);
  EXPECT_FALSE(live.Bar);
  EXPECT_TRUE(live.Escape);
  EXPECT_EQ(live.RxSlider, 4);
  EXPECT_EQ(live.Edit[0], "new.wav");
  EXPECT_EQ(live.Kol_Undo, 80);
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
  form.Controls.Settings.Sys_Tray = false;

  ASSERT_TRUE(form.Accept());
  EXPECT_EQ(registry.Change_Count(), changes);
  EXPECT_FALSE(registry.Key_Exists("TXT_Lirovant_ZMK"));
}

TEST_F(SettingsDialogForm, RegistryErrorEndsOkAfterWhatWasAlreadyDone) {
  Open();
  form.Controls.File_Types[kTXT] = true;
  form.Controls.File_Types[kINI] = true;
  form.Controls.File_Types[kBAK] = true;
  form.Controls.Settings.Bar = false;
  form.Undo_Limit_Changed(500);
  registry.Deny_Changes_Under("INI_Lirovant_Store");

  EXPECT_FALSE(form.Accept());
  ASSERT_EQ(prompts.errors.size(), 1u);
  EXPECT_EQ(prompts.errors[0], "Failed to set data for ''");
  // Applied before the failing type.
  EXPECT_FALSE(host.status_visible);
  EXPECT_EQ(edit.undo_limit, 500);
  EXPECT_FALSE(live.Bar);
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
  form.Controls.Settings.Sys_Tray = false;
  form.Controls.Settings.Poziciya_Kursora = true;
  form.Controls.Settings.Sound[1] = true;
  form.Controls.Settings.Edit[1] = "other.wav";
  form.Controls.Settings.RxSlider = 3;
  form.Controls.Settings.Bar = false;
  form.Controls.File_Types[kTXT] = false;
  form.Controls.File_Types[kREG] = true;
  form.Undo_Limit_Changed(900);
  const int changes = registry.Change_Count();

  form.Cancel();
  EXPECT_TRUE(live.Sys_Tray);
  EXPECT_FALSE(live.Poziciya_Kursora);
  EXPECT_FALSE(live.Sound[1]);
  EXPECT_EQ(live.Edit[1], "other.wav");  // the file fields are not put back
  EXPECT_EQ(live.RxSlider, 2);
  EXPECT_TRUE(live.Bar);
  EXPECT_EQ(live.Kol_Undo, 50);
  EXPECT_TRUE(form.Controls.File_Types[kTXT]);
  EXPECT_FALSE(form.Controls.File_Types[kREG]);
  EXPECT_EQ(form.Controls.Settings.RxSlider, 2);
  EXPECT_EQ(registry.Change_Count(), changes);
  EXPECT_TRUE(host.status_changes.empty());
  EXPECT_EQ(edit.undo_limit, 50);
}

TEST_F(SettingsDialogForm, CancelTicksBarExactlyWhenTheStatusBarWasShown) {
  live.Bar = true;
  host.status_visible = false;
  Open();
  form.Cancel();
  EXPECT_FALSE(live.Bar);
}

TEST_F(SettingsDialogForm, TitleBarCloseKeepsEditsButAppliesNothing) {
  Open();
  form.Controls.Settings.Sys_Tray = false;
  form.Controls.Settings.Bar = false;
  form.Controls.File_Types[kTXT] = true;
  form.Undo_Limit_Changed(700);
  const int changes = registry.Change_Count();

  form.Title_Bar_Close();
  EXPECT_FALSE(live.Sys_Tray);
  EXPECT_FALSE(live.Bar);
  EXPECT_EQ(live.Kol_Undo, 50);
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
  EXPECT_EQ(form.Controls.Settings.Kol_Undo, 101);
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

}  // namespace
