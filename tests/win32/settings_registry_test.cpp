// File-type bindings against the real HKEY_CLASSES_ROOT. Every test puts back
// what it found, and the checks read the keys through the wide API directly,
// so a fault in the registry seam cannot hide itself.
#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/win32/registry_win32.h"
#include "settings/file_types.h"
#include "common/win1251_unicode.h"

namespace {

const char kProgram[] = "C:\\Program Files\\Лировушка\\Lirovant.exe";
const wchar_t kCommand[] = L"\"C:\\Program Files\\Лировушка\\Lirovant.exe\" \"%1\"";

bool Raw_Exists(const std::wstring& key) {
  HKEY open = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &open) != ERROR_SUCCESS) return false;
  RegCloseKey(open);
  return true;
}

std::optional<std::wstring> Raw_String(const std::wstring& key, const wchar_t* name = L"") {
  HKEY open = nullptr;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, key.c_str(), 0, KEY_READ, &open) != ERROR_SUCCESS) return std::nullopt;
  wchar_t buffer[1024] = {};
  DWORD size = sizeof buffer - sizeof(wchar_t);
  DWORD type = 0;
  const LONG rc = RegQueryValueExW(open, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(open);
  if (rc != ERROR_SUCCESS || type != REG_SZ) return std::nullopt;
  return std::wstring(buffer);
}

// What a test found in one key's default value, to be put back afterwards.
struct Saved_Default {
  std::string key;
  bool existed;
  std::optional<std::string> value;
};

class SettingsRegistryWin32 : public ::testing::Test {
 protected:
  void SetUp() override {
    where.program_path = kProgram;
    where.windows_directory = Windows_Directory();
    Remove_Program_Keys();
    for (const char* key : {".txt", "batfile\\shell\\edit", "batfile\\shell\\edit\\command",
                            "regfile\\shell\\edit", "regfile\\shell\\edit\\command"})
      saved.push_back({key, registry.Key_Exists(key), registry.Read_String(key, "")});
  }

  void TearDown() override {
    Remove_Program_Keys();
    for (auto it = saved.rbegin(); it != saved.rend(); ++it) {
      if (!it->existed)
        registry.Delete_Key(it->key);
      else if (it->value)
        registry.Write_String(it->key, "", *it->value);
      else
        registry.Delete_Value(it->key, "");
    }
    for (const auto& key : scratch) registry.Delete_Key(key);
  }

  void Remove_Program_Keys() {
    for (const auto& box : kFile_Type_Boxes) {
      registry.Delete_Key(std::string(box.type) + "_Lirovant_Store");
      registry.Delete_Key(std::string(box.type) + "_Lirovant_ZMK");
    }
  }

  // Keys the test makes for itself; gone afterwards however it ends.
  void Own_Absent_Key(const std::string& key) {
    if (registry.Key_Exists(key)) GTEST_SKIP() << key << " already exists in this registry";
    scratch.push_back(key);
  }

  Win32_Registry registry;
  Program_Location where;
  std::vector<Saved_Default> saved;
  std::vector<std::string> scratch;
};

}  // namespace

TEST_F(SettingsRegistryWin32, TxtBindingReplacesTheStockTypeAndUndoRestoresIt) {
  registry.Write_String(".txt", "", "txtfile");

  Associate_Type(registry, where, "TXT", "1");
  EXPECT_EQ(Raw_String(L".txt"), L"TXT_Lirovant_ZMK");
  EXPECT_EQ(Raw_String(L"TXT_Lirovant_Store"), L"txtfile");
  EXPECT_EQ(Raw_String(L"TXT_Lirovant_ZMK"), L"Файл TXT");
  EXPECT_EQ(Raw_String(L"TXT_Lirovant_ZMK\\DefaultIcon"),
            L"\"C:\\Program Files\\Лировушка\\Lirovant.exe\",1");
  EXPECT_EQ(Raw_String(L"TXT_Lirovant_ZMK\\shell\\open\\command"), kCommand);
  EXPECT_EQ(Raw_String(L"TXT_Lirovant_ZMK\\shell\\edit\\command"), kCommand);
  EXPECT_EQ(Raw_String(L"TXT_Lirovant_ZMK\\shell\\edit"), L"&Изменить");
  EXPECT_TRUE(Is_Type_Bound(registry, "TXT"));

  Dissociate_Type(registry, "TXT");
  EXPECT_EQ(Raw_String(L".txt"), L"txtfile");
  EXPECT_FALSE(Raw_Exists(L"TXT_Lirovant_Store"));
  EXPECT_FALSE(Raw_Exists(L"TXT_Lirovant_ZMK"));
  EXPECT_FALSE(Is_Type_Bound(registry, "TXT"));
}

TEST_F(SettingsRegistryWin32, MissingExtensionKeyIsCreatedAndRemovedAgain) {
  Own_Absent_Key(".DIZ");
  Associate_Type(registry, where, "DIZ", "0");
  EXPECT_EQ(Raw_String(L".diz"), L"DIZ_Lirovant_ZMK");
  EXPECT_EQ(Raw_String(L"DIZ_Lirovant_Store"), L"");
  const auto icon = Raw_String(L"DIZ_Lirovant_ZMK\\DefaultIcon").value_or(L"");
  EXPECT_EQ(icon.substr(icon.size() - 2), L",0");

  Dissociate_Type(registry, "DIZ");
  EXPECT_FALSE(Raw_Exists(L".diz"));
  EXPECT_FALSE(Raw_Exists(L"DIZ_Lirovant_Store"));
  EXPECT_FALSE(Raw_Exists(L"DIZ_Lirovant_ZMK"));
}

TEST_F(SettingsRegistryWin32, UndoKeepsWhatOthersAddedToTheExtensionKey) {
  Own_Absent_Key(".NFO");
  Associate_Type(registry, where, "NFO", "0");
  // Another program registers a new-file template while the type is bound.
  ASSERT_TRUE(registry.Write_String(".NFO\\ShellNew", "NullFile", ""));
  ASSERT_TRUE(registry.Write_Dword(".NFO", "EditFlags", 0x10000u));

  Dissociate_Type(registry, "NFO");
  ASSERT_TRUE(Raw_Exists(L".nfo"));
  EXPECT_EQ(Raw_String(L".nfo"), std::nullopt);
  EXPECT_EQ(Raw_String(L".nfo\\ShellNew", L"NullFile"), L"");
  EXPECT_EQ(registry.Read_Dword(".nfo", "EditFlags"), 0x10000u);
  EXPECT_FALSE(Raw_Exists(L"NFO_Lirovant_ZMK"));
}

TEST_F(SettingsRegistryWin32, SecondBindingKeepsTheFirstSavedValue) {
  registry.Write_String(".txt", "", "txtfile");
  Associate_Type(registry, where, "TXT", "1");
  registry.Write_String(".txt", "", "otherfile");
  Associate_Type(registry, where, "TXT", "1");
  EXPECT_EQ(Raw_String(L"TXT_Lirovant_Store"), L"txtfile");
  EXPECT_EQ(Raw_String(L".txt"), L"otherfile");

  Dissociate_Type(registry, "TXT");
  EXPECT_EQ(Raw_String(L".txt"), L"txtfile");
}

TEST_F(SettingsRegistryWin32, BatBindingRedirectsOnlyEditAndUndoSetsStockEditor) {
  const auto open_before = Raw_String(L"batfile\\shell\\open\\command");
  wchar_t windows[MAX_PATH] = {};
  ASSERT_GT(GetWindowsDirectoryW(windows, MAX_PATH), 0u);
  const std::wstring stock = std::wstring(windows) + L"\\NOTEPAD.EXE %1";

  Associate_Type(registry, where, "BAT", "0");
  EXPECT_EQ(Raw_String(L"batfile\\shell\\edit\\command"), kCommand);
  EXPECT_EQ(Raw_String(L"BAT_Lirovant_Store"), stock);
  EXPECT_EQ(Raw_String(L"batfile\\shell\\open\\command"), open_before);
  EXPECT_TRUE(Is_Type_Bound(registry, "BAT"));

  Dissociate_Type(registry, "BAT");
  EXPECT_EQ(Raw_String(L"batfile\\shell\\edit\\command"), stock);
  EXPECT_EQ(Raw_String(L"batfile\\shell\\open\\command"), open_before);
  EXPECT_FALSE(Raw_Exists(L"BAT_Lirovant_Store"));
}

TEST_F(SettingsRegistryWin32, RegBindingUsesTheRegfileEditAction) {
  Associate_Type(registry, where, "REG", "0");
  EXPECT_EQ(Raw_String(L"regfile\\shell\\edit\\command"), kCommand);
  EXPECT_TRUE(Raw_Exists(L"REG_Lirovant_Store"));
  Dissociate_Type(registry, "REG");
  EXPECT_FALSE(Raw_Exists(L"REG_Lirovant_Store"));
  EXPECT_NE(Raw_String(L"regfile\\shell\\edit\\command"), kCommand);
}

TEST_F(SettingsRegistryWin32, SeamKeepsTextNumbersAndTrees) {
  const std::string root = "Lirovant_Test_Scratch";
  Own_Absent_Key(root);
  ASSERT_TRUE(registry.Write_String(root + "\\a\\b", "Имя", "Значение «ё»"));
  ASSERT_TRUE(registry.Write_Dword(root, "Number", 0xFFFFFFFFu));
  EXPECT_EQ(Raw_String(L"Lirovant_Test_Scratch\\a\\b", L"Имя"), L"Значение «ё»");
  EXPECT_EQ(registry.Read_String(root + "\\A\\B", "имя"), "Значение «ё»");
  EXPECT_EQ(registry.Read_Dword(root, "Number"), 0xFFFFFFFFu);
  EXPECT_EQ(registry.Read_String(root, "Number"), std::nullopt);
  EXPECT_EQ(registry.Read_String(root + "\\missing", ""), std::nullopt);
  EXPECT_FALSE(Raw_Exists(L"Lirovant_Test_Scratch\\missing"));

  EXPECT_TRUE(registry.Has_Values(root));
  EXPECT_TRUE(registry.Has_Subkeys(root));
  EXPECT_FALSE(registry.Has_Values(root + "\\a"));
  EXPECT_FALSE(registry.Has_Subkeys(root + "\\a\\b"));

  EXPECT_TRUE(registry.Delete_Value(root, "Number"));
  EXPECT_TRUE(registry.Delete_Value(root, "Number"));
  EXPECT_FALSE(registry.Has_Values(root));
  EXPECT_TRUE(registry.Delete_Key(root + "\\a"));
  EXPECT_FALSE(Raw_Exists(L"Lirovant_Test_Scratch\\a"));
  EXPECT_TRUE(registry.Delete_Key(root + "\\a"));
  EXPECT_TRUE(Raw_Exists(L"Lirovant_Test_Scratch"));
}

TEST_F(SettingsRegistryWin32, WindowsDirectoryIsAnExistingFolder) {
  const std::string directory = Windows_Directory();
  ASSERT_FALSE(directory.empty());
  EXPECT_NE(directory.back(), '\\');
  const DWORD attributes = GetFileAttributesW(Utf8_To_Utf16(directory).c_str());
  ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
  EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}
