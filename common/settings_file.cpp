#include "common/settings_file.h"

#include <cctype>

#include "common/win1251_unicode.h"

namespace {

// The file holds one line per value in Windows-1251, and the profile trims a
// value and strips its quotes. A value that would not come back the same (a
// line break, a character outside the code page, blanks at an end, quotes) is
// stored behind this mark as its UTF-8 bytes, with every byte outside plain
// printable ASCII, and '%', written as %XX.
constexpr char kEscapedMark[] = "utf-8:";

bool Starts_With_Mark(const std::string& value) { return value.rfind(kEscapedMark, 0) == 0; }

bool Comes_Back_The_Same(const std::string& value) {
  if (value.empty()) return true;
  if (Starts_With_Mark(value)) return false;
  const unsigned char first = value.front(), last = value.back();
  if (first <= ' ' || last <= ' ' || first == '"' || first == '\'') return false;
  for (unsigned char c : value)
    if (c < ' ' || c == 0x7F) return false;
  return Win1251_To_Utf8(Utf8_To_Win1251(value)) == value;
}

std::string Stored_Form(const std::string& value) {
  if (Comes_Back_The_Same(value)) return value;
  static const char digits[] = "0123456789ABCDEF";
  std::string stored = kEscapedMark;
  for (unsigned char c : value) {
    if (c > ' ' && c < 0x7F && c != '%') {
      stored += char(c);
    } else {
      stored += '%';
      stored += digits[c >> 4];
      stored += digits[c & 15];
    }
  }
  return stored;
}

int Hex_Digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// A value cut short by the profile's length limit keeps what it can.
std::string Value_Of(const std::string& stored) {
  if (!Starts_With_Mark(stored)) return stored;
  std::string value;
  for (size_t i = sizeof kEscapedMark - 1; i < stored.size(); ++i) {
    const int high = stored[i] == '%' && i + 2 < stored.size() ? Hex_Digit(stored[i + 1]) : -1;
    const int low = high >= 0 ? Hex_Digit(stored[i + 2]) : -1;
    if (low >= 0) {
      value += char(high * 16 + low);
      i += 2;
    } else {
      value += stored[i];
    }
  }
  return value;
}

}  // namespace

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
  return value ? Value_Of(*value) : def;
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
  if (!profile_.Write(section, key, Stored_Form(value))) throw Settings_Write_Error(profile_.Path());
}

void Settings_File::Write_Integer(const std::string& section, const std::string& key, int32_t value) {
  Write_String(section, key, std::to_string(value));
}

void Settings_File::Write_Bool(const std::string& section, const std::string& key, bool value) {
  Write_String(section, key, value ? "1" : "0");
}

void Settings_File::Commit() {
  if (!profile_.Commit()) throw Settings_Write_Error(profile_.Path());
}
