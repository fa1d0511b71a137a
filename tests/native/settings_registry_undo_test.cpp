// Undoing bindings without harming what others keep in the same keys, and
// failed writes stopping a binding where they happen.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "settings/file_types.h"
#include "fakes/registry_memory.h"

using ::testing::ElementsAre;

namespace {

const Program_Location kWhere{"C:\\Lirovant\\Lirovant.exe", "C:\\WINDOWS"};

class SettingsRegistryUndo : public ::testing::Test {
 protected:
  Memory_Registry registry;
};

}  // namespace

TEST_F(SettingsRegistryUndo, ExtensionKeyKeepsSubkeysAddedWhileBound) {
  Associate_Type(registry, kWhere, "CFG", "0");
  registry.Write_String(".CFG\\ShellNew", "NullFile", "");

  Dissociate_Type(registry, "CFG");
  ASSERT_TRUE(registry.Key_Exists(".cfg"));
  EXPECT_EQ(registry.Read_String(".cfg", ""), std::nullopt);
  EXPECT_EQ(registry.Read_String(".cfg\\ShellNew", "NullFile"), "");
  EXPECT_THAT(registry.All_Keys(), ElementsAre(".CFG", ".CFG\\ShellNew"));
}

TEST_F(SettingsRegistryUndo, ExtensionKeyKeepsValuesItHadBeforeBinding) {
  registry.Write_String(".DIZ", "Content Type", "text/plain");
  registry.Write_Dword(".DIZ", "EditFlags", 0x10000u);

  Associate_Type(registry, kWhere, "DIZ", "0");
  EXPECT_EQ(registry.Read_String("DIZ_Lirovant_Store", ""), "");
  Dissociate_Type(registry, "DIZ");

  EXPECT_EQ(registry.Read_String(".diz", ""), std::nullopt);
  EXPECT_EQ(registry.Read_String(".diz", "Content Type"), "text/plain");
  EXPECT_EQ(registry.Read_Dword(".diz", "EditFlags"), 0x10000u);
  EXPECT_THAT(registry.All_Keys(), ElementsAre(".DIZ"));
}

TEST_F(SettingsRegistryUndo, EmptiedExtensionKeyGoesOnceItsLastEntryIsGone) {
  registry.Write_String(".RU\\ShellNew", "NullFile", "");
  Associate_Type(registry, kWhere, "RU", "0");
  registry.Delete_Key(".RU\\ShellNew");

  Dissociate_Type(registry, "RU");
  EXPECT_TRUE(registry.All_Keys().empty());
}

TEST_F(SettingsRegistryUndo, ExtensionTakenOverMeanwhileIsLeftToItsNewOwner) {
  Associate_Type(registry, kWhere, "BAK", "0");
  registry.Write_String(".BAK", "", "backupfile");

  Dissociate_Type(registry, "BAK");
  EXPECT_EQ(registry.Read_String(".bak", ""), "backupfile");
  EXPECT_THAT(registry.All_Keys(), ElementsAre(".BAK"));
}

TEST_F(SettingsRegistryUndo, UndoWithoutStoreLeavesForeignBindingAlone) {
  // The box can still be ticked after another copy of the program has undone
  // the binding; unticking it then must not strip .txt of its stock type.
  registry.Write_String(".txt", "", "txtfile");
  Associate_Type(registry, kWhere, "TXT", "1");
  Dissociate_Type(registry, "TXT");

  Dissociate_Type(registry, "TXT");
  EXPECT_EQ(registry.Read_String(".txt", ""), "txtfile");
  EXPECT_THAT(registry.All_Keys(), ElementsAre(".txt"));
}

TEST_F(SettingsRegistryUndo, UndoWithoutStoreStillDropsADanglingPointer) {
  Associate_Type(registry, kWhere, "INI", "2");
  registry.Delete_Key("INI_Lirovant_Store");

  Dissociate_Type(registry, "INI");
  EXPECT_TRUE(registry.All_Keys().empty());
}

TEST_F(SettingsRegistryUndo, EditOnlyUndoWithoutStoreKeepsTheEditCommand) {
  registry.Write_String("regfile\\shell\\edit\\command", "", "someeditor %1");
  Dissociate_Type(registry, "REG");
  EXPECT_EQ(registry.Read_String("regfile\\shell\\edit\\command", ""), "someeditor %1");
}

TEST_F(SettingsRegistryUndo, FailedWriteReportsAndStopsTheBinding) {
  registry.Write_String(".txt", "", "txtfile");
  registry.Deny_Changes_Under("TXT_Lirovant_ZMK\\shell");

  try {
    Associate_Type(registry, kWhere, "TXT", "1");
    FAIL() << "the refused write went unreported";
  } catch (const Registry_Error& error) {
    EXPECT_STREQ(error.what(), "Failed to set data for ''");
  }
  // Done up to the icon, nothing after it.
  EXPECT_EQ(registry.Read_String(".txt", ""), "TXT_Lirovant_ZMK");
  EXPECT_TRUE(registry.Key_Exists("TXT_Lirovant_ZMK\\DefaultIcon"));
  EXPECT_FALSE(registry.Key_Exists("TXT_Lirovant_ZMK\\shell"));
}

TEST_F(SettingsRegistryUndo, RefusedExtensionKeyStopsBeforeTheProgramKey) {
  registry.Deny_Changes_Under(".LOG");
  EXPECT_THROW(Associate_Type(registry, kWhere, "LOG", "0"), Registry_Error);
  EXPECT_THAT(registry.All_Keys(), ElementsAre("LOG_Lirovant_Store"));
}

TEST_F(SettingsRegistryUndo, RefusedEditCommandFailsTheEditOnlyBinding) {
  registry.Deny_Changes_Under("batfile");
  EXPECT_THROW(Associate_Type(registry, kWhere, "BAT", "0"), Registry_Error);
  EXPECT_EQ(registry.Read_String("BAT_Lirovant_Store", ""), "C:\\WINDOWS\\NOTEPAD.EXE %1");
}

TEST_F(SettingsRegistryUndo, FailedRestoreKeepsTheKeysNeededToRetry) {
  registry.Write_String(".txt", "", "txtfile");
  Associate_Type(registry, kWhere, "TXT", "1");
  registry.Deny_Changes_Under(".txt");

  EXPECT_THROW(Dissociate_Type(registry, "TXT"), Registry_Error);
  EXPECT_EQ(registry.Read_String("TXT_Lirovant_Store", ""), "txtfile");
  EXPECT_TRUE(Is_Type_Bound(registry, "TXT"));
}
