#include "common/settings_file.h"

#include <cctype>

std::optional<int32_t> Parse_Profile_Integer(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  int base = 10;
  if (i < text.size() && text[i] == '$') {
    base = 16;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    base = 16;
    i += 2;
  }
  if (i >= text.size()) return std::nullopt;
  uint64_t value = 0;
  for (; i < text.size(); ++i) {
    const unsigned char c = text[i];
    int digit;
    if (std::isdigit(c))
      digit = c - '0';
    else if (base == 16 && std::isxdigit(c))
      digit = std::tolower(c) - 'a' + 10;
    else
      return std::nullopt;
    value = value * base + digit;
    if (value > 0xFFFFFFFFull) return std::nullopt;
  }
  if (base == 10) {
    if (negative ? value > 0x80000000ull : value > 0x7FFFFFFFull) return std::nullopt;
    return negative ? int32_t(-int64_t(value)) : int32_t(value);
  }
  const auto bits = int32_t(uint32_t(value));
  return negative ? int32_t(0u - uint32_t(bits)) : bits;
}

std::string Settings_File::Read_String(const std::string& section, const std::string& key,
                                       const std::string& def) {
  auto value = profile_.Read(section, key);
  return value ? *value : def;
}

int32_t Settings_File::Read_Integer(const std::string& section, const std::string& key, int32_t def) {
  auto value = profile_.Read(section, key);
  if (!value) return def;
  auto number = Parse_Profile_Integer(*value);
  return number ? *number : def;
}

bool Settings_File::Read_Bool(const std::string& section, const std::string& key, bool def) {
  return Read_Integer(section, key, def ? 1 : 0) != 0;
}

bool Settings_File::Key_Exists(const std::string& section, const std::string& key) {
  return profile_.Read(section, key).has_value();
}

void Settings_File::Write_String(const std::string& section, const std::string& key,
                                 const std::string& value) {
  if (!profile_.Write(section, key, value)) throw Settings_Write_Error(profile_.Path());
}

void Settings_File::Write_Integer(const std::string& section, const std::string& key, int32_t value) {
  Write_String(section, key, std::to_string(value));
}

void Settings_File::Write_Bool(const std::string& section, const std::string& key, bool value) {
  Write_String(section, key, value ? "1" : "0");
}
