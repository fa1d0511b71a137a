// Binding and unbinding file types, checked key by key against an in-memory
// registry laid out as a system with its own stock file types.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/file_types.h"
#include "fakes/registry_memory.h"

using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

const Program_Location kWhere{"C:\\Программы\\Лировушка\\Lirovant.exe", "C:\\WINDOWS"};
const std::string kCommand = "\"C:\\Программы\\Лировушка\\Lirovant.exe\" \"%1\"";

std::string Default(const Registry& registry, const std::string& key) {
  return registry.Read_String(key, "").value_or("<none>");
}

std::vector<std::string> Keys_Starting(const Memory_Registry& registry, const std::string& prefix) {
  std::vector<std::string> out;
  for (const auto& key : registry.All_Keys())
    if (key.compare(0, prefix.size(), prefix) == 0) out.push_back(key);
  return out;
}

class SettingsRegistryBindings : public ::testing::Test {
 protected:
  void SetUp() override {
    registry.Write_String(".txt", "", "txtfile");
    registry.Write_String("txtfile\\shell\\open\\command", "", "notepad.exe %1");
    registry.Write_String("batfile\\shell\\open\\command", "", "\"%1\" %*");
    registry.Write_String("batfile\\shell\\edit\\command", "", "old editor %1");
    registry.Write_String("regfile\\shell\\open\\command", "", "regedit.exe \"%1\"");
  }
  Memory_Registry registry;
};

}  // namespace

// Undone, the extension points back at the type it had, and the program's
// keys go.
TEST_F(SettingsRegistryBindings, FullBindingWritesEveryKeyOfTheTypeAndUndoTakesThemAway) {
  Associate_Type(registry, kWhere, "TXT", "1");

  EXPECT_EQ(Default(registry, ".txt"), "TXT_Lirovant_ZMK");
  EXPECT_EQ(Default(registry, "TXT_Lirovant_Store"), "txtfile");
  EXPECT_EQ(Default(registry, "TXT_Lirovant_ZMK"), "Файл TXT");
  EXPECT_EQ(Default(registry, "TXT_Lirovant_ZMK\\DefaultIcon"),
            "\"C:\\Программы\\Лировушка\\Lirovant.exe\",1");
  EXPECT_EQ(Default(registry, "TXT_Lirovant_ZMK\\shell\\open\\command"), kCommand);
  EXPECT_EQ(Default(registry, "TXT_Lirovant_ZMK\\shell\\edit\\command"), kCommand);
  EXPECT_EQ(Default(registry, "TXT_Lirovant_ZMK\\shell\\edit"), "&Изменить");
  EXPECT_THAT(Keys_Starting(registry, "TXT_"),
              ElementsAre("TXT_Lirovant_Store", "TXT_Lirovant_ZMK", "TXT_Lirovant_ZMK\\DefaultIcon",
                          "TXT_Lirovant_ZMK\\shell", "TXT_Lirovant_ZMK\\shell\\edit",
                          "TXT_Lirovant_ZMK\\shell\\edit\\command", "TXT_Lirovant_ZMK\\shell\\open",
                          "TXT_Lirovant_ZMK\\shell\\open\\command"));
  // The type it replaced is left as it was.
  EXPECT_EQ(Default(registry, "txtfile\\shell\\open\\command"), "notepad.exe %1");

  Dissociate_Type(registry, "TXT");
  EXPECT_EQ(Default(registry, ".txt"), "txtfile");
  EXPECT_THAT(Keys_Starting(registry, "TXT_"), IsEmpty());
  EXPECT_EQ(Default(registry, "txtfile\\shell\\open\\command"), "notepad.exe %1");
}

TEST_F(SettingsRegistryBindings, TypeWithoutExtensionKeyGetsOneAndLosesItOnUndo) {
  const auto before = registry.All_Keys();
  Associate_Type(registry, kWhere, "NFO", "0");
  EXPECT_EQ(Default(registry, ".NFO"), "NFO_Lirovant_ZMK");
  EXPECT_EQ(registry.Read_String("NFO_Lirovant_Store", ""), "");

  Dissociate_Type(registry, "NFO");
  EXPECT_EQ(registry.All_Keys(), before);
}

TEST_F(SettingsRegistryBindings, SecondBindingKeepsTheFirstSavedValue) {
  Associate_Type(registry, kWhere, "TXT", "1");
  // Another program takes the extension over before the second binding.
  registry.Write_String(".txt", "", "otherfile");
  Associate_Type(registry, kWhere, "TXT", "1");

  EXPECT_EQ(Default(registry, "TXT_Lirovant_Store"), "txtfile");
  EXPECT_EQ(Default(registry, ".txt"), "otherfile");
  Dissociate_Type(registry, "TXT");
  EXPECT_EQ(Default(registry, ".txt"), "txtfile");
}

TEST_F(SettingsRegistryBindings, RebindingAfterLosingTheStoreDoesNotSaveItself) {
  Associate_Type(registry, kWhere, "LOG", "0");
  registry.Delete_Key("LOG_Lirovant_Store");
  Associate_Type(registry, kWhere, "LOG", "0");
  EXPECT_EQ(registry.Read_String("LOG_Lirovant_Store", ""), "");

  Dissociate_Type(registry, "LOG");
  EXPECT_FALSE(registry.Key_Exists(".LOG"));
  EXPECT_FALSE(registry.Key_Exists("LOG_Lirovant_ZMK"));
}

TEST_F(SettingsRegistryBindings, EditOnlyBindingRedirectsOnlyTheEditAction) {
  Associate_Type(registry, kWhere, "BAT", "0");

  EXPECT_EQ(Default(registry, "batfile\\shell\\edit\\command"), kCommand);
  EXPECT_EQ(Default(registry, "batfile\\shell\\open\\command"), "\"%1\" %*");
  EXPECT_EQ(Default(registry, "BAT_Lirovant_Store"), "C:\\WINDOWS\\NOTEPAD.EXE %1");
  EXPECT_FALSE(registry.Key_Exists(".BAT"));
  EXPECT_FALSE(registry.Key_Exists("BAT_Lirovant_ZMK"));

  Dissociate_Type(registry, "BAT");
  // The stock editor comes back, not whatever was there before.
  EXPECT_EQ(Default(registry, "batfile\\shell\\edit\\command"), "C:\\WINDOWS\\NOTEPAD.EXE %1");
  EXPECT_FALSE(registry.Key_Exists("BAT_Lirovant_Store"));
}

TEST_F(SettingsRegistryBindings, RegBindingUsesTheRegfileEditAction) {
  const Program_Location root_windows{kWhere.program_path, "D:\\"};
  Associate_Type(registry, root_windows, "REG", "0");
  EXPECT_EQ(Default(registry, "regfile\\shell\\edit\\command"), kCommand);
  EXPECT_EQ(Default(registry, "regfile\\shell\\open\\command"), "regedit.exe \"%1\"");
  EXPECT_EQ(Default(registry, "REG_Lirovant_Store"), "D:\\NOTEPAD.EXE %1");
  EXPECT_EQ(Default(registry, "batfile\\shell\\edit\\command"), "old editor %1");

  Dissociate_Type(registry, "REG");
  EXPECT_EQ(Default(registry, "regfile\\shell\\edit\\command"), "D:\\NOTEPAD.EXE %1");
}

TEST_F(SettingsRegistryBindings, EditOnlyRebindingRewritesTheSavedCommand) {
  Associate_Type(registry, kWhere, "BAT", "0");
  Associate_Type(registry, {kWhere.program_path, "E:\\WINNT"}, "BAT", "0");
  EXPECT_EQ(Default(registry, "BAT_Lirovant_Store"), "E:\\WINNT\\NOTEPAD.EXE %1");
}

// The dialog's ten types in its order, each bound with its icon; the
// edit-only ones, BAT and REG, get no icon of their own.
TEST_F(SettingsRegistryBindings, BoundStateFollowsTheKeyOfEachKind) {
  std::vector<std::string> icons;
  for (const auto& box : kFile_Type_Boxes) {
    EXPECT_FALSE(Is_Type_Bound(registry, box.type)) << box.type;
    Associate_Type(registry, kWhere, box.type, box.icon_index);
    EXPECT_TRUE(Is_Type_Bound(registry, box.type)) << box.type;
    const std::string icon = Default(registry, std::string(box.type) + "_Lirovant_ZMK\\DefaultIcon");
    icons.push_back(std::string(box.type) + icon.substr(icon.rfind(',') + 1));
  }
  EXPECT_THAT(icons, ElementsAre("TXT1", "INI2", "DIZ0", "CFG0", "LOG0", "BAT<none>", "REG<none>", "RU0",
                                 "NFO0", "BAK0"));
  EXPECT_EQ(Default(registry, "DIZ_Lirovant_ZMK"), "Файл DIZ");

  // An edit-only type counts as bound by its store alone, a full type by its
  // own file-type key alone.
  registry.Delete_Key("TXT_Lirovant_ZMK");
  registry.Delete_Key("CFG_Lirovant_Store");
  registry.Write_String("batfile\\shell\\edit\\command", "", "changed");
  EXPECT_FALSE(Is_Type_Bound(registry, "TXT"));
  EXPECT_TRUE(Is_Type_Bound(registry, "CFG"));
  EXPECT_TRUE(Is_Type_Bound(registry, "BAT"));

  for (const auto& box : kFile_Type_Boxes) Dissociate_Type(registry, box.type);
  for (const auto& box : kFile_Type_Boxes) EXPECT_FALSE(Is_Type_Bound(registry, box.type)) << box.type;
}

TEST_F(SettingsRegistryBindings, UnknownOrLowerCaseTypesAreRejected) {
  EXPECT_THROW(Associate_Type(registry, kWhere, "txt", "1"), std::invalid_argument);
  EXPECT_THROW(Associate_Type(registry, kWhere, "DOC", "0"), std::invalid_argument);
  EXPECT_THROW(Dissociate_Type(registry, "EXE"), std::invalid_argument);
  EXPECT_THROW(Is_Type_Bound(registry, ""), std::invalid_argument);
  EXPECT_EQ(registry.Change_Count(), 5);  // only the fixture's own writes
}
