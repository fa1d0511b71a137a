#pragma once
// The slice of HKEY_CLASSES_ROOT that file-type bindings work on, kept behind
// an interface so the binding logic runs unchanged against an in-memory tree.
//
// Key paths are relative to the root, their parts separated by '\', and match
// without regard to letter case, as the system's keys do. Names and values are
// UTF-8. An empty value name means the key's default (unnamed) value. Every
// call stands alone: no key handle outlives it.
#include <cstdint>
#include <optional>
#include <string>

class Registry {
 public:
  virtual ~Registry() = default;

  virtual bool Key_Exists(const std::string& key) const = 0;

  // Nothing when the key or the value is missing or the value holds another
  // type. Never creates the key.
  virtual std::optional<std::string> Read_String(const std::string& key, const std::string& name) const = 0;
  virtual std::optional<uint32_t> Read_Dword(const std::string& key, const std::string& name) const = 0;

  // Create the key and any missing parents first. False when the key cannot
  // be created or opened, or the value cannot be set.
  virtual bool Write_String(const std::string& key, const std::string& name, const std::string& value) = 0;
  virtual bool Write_Dword(const std::string& key, const std::string& name, uint32_t value) = 0;

  // A value or key that is already gone counts as deleted. Delete_Key takes
  // every subkey with it.
  virtual bool Delete_Value(const std::string& key, const std::string& name) = 0;
  virtual bool Delete_Key(const std::string& key) = 0;

  // False for a missing key. The default value counts as a value only when it
  // is set.
  virtual bool Has_Values(const std::string& key) const = 0;
  virtual bool Has_Subkeys(const std::string& key) const = 0;
};
