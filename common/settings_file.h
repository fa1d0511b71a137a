#pragma once
// Typed access to the settings file: every read has a default, so a missing
// or damaged file gives the built-in settings; a refused write, or a commit
// the file refuses, raises Settings_Write_Error.
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

#include "common/profile.h"

constexpr const char* kSettingsFileName = "Lirovant.ini";

class Settings_Write_Error : public std::runtime_error {
 public:
  explicit Settings_Write_Error(const std::string& path) : std::runtime_error("Unable to write to " + path) {}
};

// Decimal with an optional sign, or hexadecimal after "$" or "0x"/"0X";
// hexadecimal spans the 32 bits, so $80000018 is -2147483624. Anything else,
// out-of-range numbers included, is nothing.
std::optional<int32_t> Parse_Profile_Integer(const std::string& text);

class Settings_File {
 public:
  explicit Settings_File(Profile& profile) : profile_(profile) {}

  std::string Read_String(const std::string& section, const std::string& key, const std::string& def);
  int32_t Read_Integer(const std::string& section, const std::string& key, int32_t def);
  bool Read_Bool(const std::string& section, const std::string& key, bool def);
  bool Key_Exists(const std::string& section, const std::string& key);

  // Every string reads back exactly as written, line breaks and characters
  // outside Windows-1251 included; ordinary values are stored as they are.
  void Write_String(const std::string& section, const std::string& key, const std::string& value);
  void Write_Integer(const std::string& section, const std::string& key, int32_t value);
  void Write_Bool(const std::string& section, const std::string& key, bool value);
  // The writes so far go to the file, all at once where the store gathers them.
  void Commit();

  const std::string& Path() const { return profile_.Path(); }

 private:
  Profile& profile_;
};
