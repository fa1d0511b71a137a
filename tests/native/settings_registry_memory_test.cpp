// The in-memory registry stands in for the system's in every binding test, so
// it has to keep the system's rules the bindings depend on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "fakes/registry_memory.h"

using ::testing::ElementsAre;

TEST(SettingsRegistryMemory, KeyAndValueNamesMatchWithoutCase) {
  Memory_Registry registry;
  ASSERT_TRUE(registry.Write_String(".TXT", "Content Type", "text/plain"));
  EXPECT_TRUE(registry.Key_Exists(".txt"));
  EXPECT_EQ(registry.Read_String(".Txt", "content type"), "text/plain");
  ASSERT_TRUE(registry.Write_String(".txt", "CONTENT TYPE", "text/x"));
  EXPECT_THAT(registry.All_Keys(), ElementsAre(".TXT"));
  EXPECT_EQ(registry.Read_String(".TXT", "Content Type"), "text/x");
}

TEST(SettingsRegistryMemory, WritingCreatesParentsAndReadingCreatesNothing) {
  Memory_Registry registry;
  EXPECT_EQ(registry.Read_String("a\\b", ""), std::nullopt);
  EXPECT_FALSE(registry.Key_Exists("a"));
  ASSERT_TRUE(registry.Write_String("a\\b\\c", "", "x"));
  EXPECT_THAT(registry.All_Keys(), ElementsAre("a", "a\\b", "a\\b\\c"));
  EXPECT_FALSE(registry.Has_Values("a\\b"));
  EXPECT_TRUE(registry.Has_Subkeys("a\\b"));
  EXPECT_TRUE(registry.Has_Values("a\\b\\c"));
  EXPECT_FALSE(registry.Has_Subkeys("a\\b\\c"));
}

TEST(SettingsRegistryMemory, StringAndNumberReadOnlyAsTheirOwnType) {
  Memory_Registry registry;
  ASSERT_TRUE(registry.Write_Dword("k", "EditFlags", 0x10000u));
  ASSERT_TRUE(registry.Write_String("k", "", "text"));
  EXPECT_EQ(registry.Read_Dword("k", "EditFlags"), 0x10000u);
  EXPECT_EQ(registry.Read_String("k", "EditFlags"), std::nullopt);
  EXPECT_EQ(registry.Read_Dword("k", ""), std::nullopt);
  EXPECT_EQ(registry.Read_String("k", ""), "text");
}

TEST(SettingsRegistryMemory, DeletingKeyTakesSubtreeAndToleratesMissing) {
  Memory_Registry registry;
  ASSERT_TRUE(registry.Write_String("a\\b\\c", "", "x"));
  ASSERT_TRUE(registry.Write_String("ab", "", "y"));
  EXPECT_TRUE(registry.Delete_Key("A\\B"));
  EXPECT_THAT(registry.All_Keys(), ElementsAre("a", "ab"));
  EXPECT_TRUE(registry.Delete_Key("a\\b"));
  EXPECT_TRUE(registry.Delete_Key("missing\\deeper"));
  EXPECT_TRUE(registry.Delete_Value("a", "none"));
  ASSERT_TRUE(registry.Delete_Key("a"));
  EXPECT_THAT(registry.All_Keys(), ElementsAre("ab"));
}

TEST(SettingsRegistryMemory, DefaultValueIsAValueOnlyWhileSet) {
  Memory_Registry registry;
  ASSERT_TRUE(registry.Write_String("k", "", ""));
  EXPECT_TRUE(registry.Has_Values("k"));
  ASSERT_TRUE(registry.Delete_Value("k", ""));
  EXPECT_FALSE(registry.Has_Values("k"));
  EXPECT_TRUE(registry.Key_Exists("k"));
}

TEST(SettingsRegistryMemory, MalformedPathsAreRefused) {
  Memory_Registry registry;
  EXPECT_FALSE(registry.Write_String("", "", "x"));
  EXPECT_FALSE(registry.Write_String("a\\\\b", "", "x"));
  EXPECT_FALSE(registry.Write_String("\\a", "", "x"));
  EXPECT_FALSE(registry.Delete_Key(""));
  EXPECT_TRUE(registry.All_Keys().empty());
}

TEST(SettingsRegistryMemory, DeniedKeysRefuseEveryChangeBelowThem) {
  Memory_Registry registry;
  ASSERT_TRUE(registry.Write_String("Locked\\inner", "", "kept"));
  ASSERT_TRUE(registry.Write_String("LockedNot", "", "free"));
  registry.Deny_Changes_Under("locked");
  const int before = registry.Change_Count();

  EXPECT_FALSE(registry.Write_String("LOCKED\\new", "", "x"));
  EXPECT_FALSE(registry.Write_Dword("Locked", "n", 1));
  EXPECT_FALSE(registry.Delete_Value("Locked\\inner", ""));
  EXPECT_FALSE(registry.Delete_Key("Locked\\inner"));
  EXPECT_TRUE(registry.Write_String("LockedNot", "", "changed"));

  EXPECT_EQ(registry.Change_Count(), before + 5);
  EXPECT_THAT(registry.All_Keys(), ElementsAre("Locked", "Locked\\inner", "LockedNot"));
  EXPECT_EQ(registry.Read_String("Locked\\inner", ""), "kept");
}
