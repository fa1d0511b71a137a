#include "platform/win32/registry_win32.h"

#include <windows.h>

#include <vector>

#include "common/win1251_unicode.h"

namespace {

// A key handle that closes itself, so that no early return leaks one.
class Open_Key {
 public:
  Open_Key(HKEY parent, const std::wstring& path, REGSAM access) {
    error_ = RegOpenKeyExW(parent, path.c_str(), 0, access, &key_);
    if (error_ != ERROR_SUCCESS) key_ = nullptr;
  }
  Open_Key(const Open_Key&) = delete;
  Open_Key& operator=(const Open_Key&) = delete;
  ~Open_Key() {
    if (key_) RegCloseKey(key_);
  }
  explicit operator bool() const { return key_ != nullptr; }
  HKEY get() const { return key_; }
  LONG error() const { return error_; }

 protected:
  Open_Key() = default;
  HKEY key_ = nullptr;
  LONG error_ = ERROR_SUCCESS;
};

class Created_Key : public Open_Key {
 public:
  explicit Created_Key(const std::wstring& path) {
    error_ = RegCreateKeyExW(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                             KEY_SET_VALUE, nullptr, &key_, nullptr);
    if (error_ != ERROR_SUCCESS) key_ = nullptr;
  }
};

std::wstring Wide(const std::string& text) { return Utf8_To_Utf16(text); }

// Reads a value's raw bytes and type; false when it is missing.
bool Query(const std::string& key, const std::string& name, DWORD& type, std::vector<BYTE>& data) {
  Open_Key open(HKEY_CLASSES_ROOT, Wide(key), KEY_QUERY_VALUE);
  if (!open) return false;
  const std::wstring value_name = Wide(name);
  for (;;) {
    DWORD size = static_cast<DWORD>(data.size());
    const LONG rc = RegQueryValueExW(open.get(), value_name.c_str(), nullptr, &type,
                                     data.empty() ? nullptr : data.data(), &size);
    if (rc == ERROR_SUCCESS && (!data.empty() || size == 0)) {
      data.resize(size);
      return true;
    }
    // A first call without a buffer asks only for the size; a value that grew
    // between the calls asks again.
    if (rc != ERROR_SUCCESS && rc != ERROR_MORE_DATA) return false;
    data.resize(size);
  }
}

bool Set_Value(const std::string& key, const std::string& name, DWORD type, const BYTE* data, DWORD size) {
  Created_Key created(Wide(key));
  if (!created) return false;
  return RegSetValueExW(created.get(), Wide(name).c_str(), 0, type, data, size) == ERROR_SUCCESS;
}

LONG Delete_Tree(HKEY parent, const std::wstring& path) {
  {
    Open_Key open(parent, path, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE);
    if (!open) return open.error();
    // Always take the first child: each deletion shifts the rest down.
    for (;;) {
      wchar_t child[256];
      DWORD length = 256;
      const LONG rc = RegEnumKeyExW(open.get(), 0, child, &length, nullptr, nullptr, nullptr, nullptr);
      if (rc == ERROR_NO_MORE_ITEMS) break;
      if (rc != ERROR_SUCCESS) return rc;
      const LONG removed = Delete_Tree(open.get(), child);
      if (removed != ERROR_SUCCESS) return removed;
    }
  }
  return RegDeleteKeyW(parent, path.c_str());
}

bool Key_Counts(const std::string& key, DWORD& subkeys, DWORD& values) {
  Open_Key open(HKEY_CLASSES_ROOT, Wide(key), KEY_QUERY_VALUE);
  if (!open) return false;
  return RegQueryInfoKeyW(open.get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values, nullptr,
                          nullptr, nullptr, nullptr) == ERROR_SUCCESS;
}

}  // namespace

bool Win32_Registry::Key_Exists(const std::string& key) const {
  return static_cast<bool>(Open_Key(HKEY_CLASSES_ROOT, Wide(key), KEY_QUERY_VALUE));
}

std::optional<std::string> Win32_Registry::Read_String(const std::string& key,
                                                       const std::string& name) const {
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!Query(key, name, type, data)) return std::nullopt;
  if (type != REG_SZ && type != REG_EXPAND_SZ) return std::nullopt;
  std::wstring text(data.size() / sizeof(wchar_t), L'\0');
  if (!text.empty()) memcpy(&text[0], data.data(), text.size() * sizeof(wchar_t));
  // The stored terminator is optional; a value written without one still
  // reads in full, and one written with extra ones loses them.
  const size_t end = text.find(L'\0');
  if (end != std::wstring::npos) text.resize(end);
  return Utf16_To_Utf8(text);
}

std::optional<uint32_t> Win32_Registry::Read_Dword(const std::string& key, const std::string& name) const {
  DWORD type = 0;
  std::vector<BYTE> data;
  if (!Query(key, name, type, data)) return std::nullopt;
  if (type != REG_DWORD || data.size() != sizeof(DWORD)) return std::nullopt;
  DWORD value = 0;
  memcpy(&value, data.data(), sizeof value);
  return value;
}

bool Win32_Registry::Write_String(const std::string& key, const std::string& name, const std::string& value) {
  const std::wstring text = Wide(value);
  const DWORD size = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
  return Set_Value(key, name, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), size);
}

bool Win32_Registry::Write_Dword(const std::string& key, const std::string& name, uint32_t value) {
  const DWORD number = value;
  return Set_Value(key, name, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
}

bool Win32_Registry::Delete_Value(const std::string& key, const std::string& name) {
  Open_Key open(HKEY_CLASSES_ROOT, Wide(key), KEY_SET_VALUE);
  if (!open) return !Key_Exists(key);
  const LONG rc = RegDeleteValueW(open.get(), Wide(name).c_str());
  return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

bool Win32_Registry::Delete_Key(const std::string& key) {
  const LONG rc = Delete_Tree(HKEY_CLASSES_ROOT, Wide(key));
  return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND;
}

bool Win32_Registry::Has_Values(const std::string& key) const {
  DWORD subkeys = 0, values = 0;
  return Key_Counts(key, subkeys, values) && values > 0;
}

bool Win32_Registry::Has_Subkeys(const std::string& key) const {
  DWORD subkeys = 0, values = 0;
  return Key_Counts(key, subkeys, values) && subkeys > 0;
}

std::string Windows_Directory() {
  const UINT needed = GetWindowsDirectoryW(nullptr, 0);
  if (needed == 0) return {};
  std::wstring directory(needed, L'\0');
  const UINT length = GetWindowsDirectoryW(&directory[0], needed);
  if (length == 0 || length >= needed) return {};
  directory.resize(length);
  return Utf16_To_Utf8(directory);
}
