#include "common/ini_file.h"

#include <cctype>
#include <fstream>
#include <sstream>
#include <vector>

#include "common/win1251_unicode.h"

namespace {

constexpr size_t kMaxValue = 2047;

std::string Trim(const std::string& s) {
  const auto first = s.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  const auto last = s.find_last_not_of(" \t");
  return s.substr(first, last - first + 1);
}

bool Same_Name(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned char x = a[i], y = b[i];
    if (x < 0x80) x = char(std::tolower(x));
    if (y < 0x80) y = char(std::tolower(y));
    if (x != y) return false;
  }
  return true;
}

std::vector<std::string> Load_Lines(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::vector<std::string> lines;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

bool Is_Section(const std::string& line, std::string* name) {
  const std::string t = Trim(line);
  if (t.size() < 2 || t.front() != '[') return false;
  const auto close = t.find(']');
  if (close == std::string::npos) return false;
  *name = Trim(t.substr(1, close - 1));
  return true;
}

// A key line's name, or nothing for blank lines and comments.
bool Key_Of(const std::string& line, std::string* key, std::string* value) {
  const auto eq = line.find('=');
  if (eq == std::string::npos) return false;
  *key = Trim(line.substr(0, eq));
  *value = Trim(line.substr(eq + 1));
  return !key->empty() && (*key)[0] != ';';
}

std::string Unquote(std::string v) {
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  if (v.size() > kMaxValue) v.resize(kMaxValue);
  return v;
}

}  // namespace

std::optional<std::string> Ini_File::Read(const std::string& section, const std::string& key) {
  const std::string want_section = Utf8_To_Win1251(section);
  const std::string want_key = Utf8_To_Win1251(key);
  bool inside = false;
  for (const auto& line : Load_Lines(path_)) {
    std::string name, k, v;
    if (Is_Section(line, &name)) {
      inside = Same_Name(name, want_section);
    } else if (inside && Key_Of(line, &k, &v) && Same_Name(k, want_key)) {
      return Win1251_To_Utf8(Unquote(v));
    }
  }
  return std::nullopt;
}

bool Ini_File::Write(const std::string& section, const std::string& key, const std::string& value) {
  const std::string sec = Utf8_To_Win1251(section);
  const std::string k8 = Utf8_To_Win1251(key);
  const std::string stored = Trim(Utf8_To_Win1251(value));
  const std::string entry = Trim(k8) + "=" + stored;
  std::vector<std::string> lines = Load_Lines(path_);

  bool inside = false, found_section = false;
  size_t insert_at = lines.size();
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string name, k, v;
    if (Is_Section(lines[i], &name)) {
      if (inside) break;
      inside = Same_Name(name, sec);
      if (inside) {
        found_section = true;
        insert_at = i + 1;
      }
    } else if (inside && Key_Of(lines[i], &k, &v)) {
      if (Same_Name(k, k8)) {
        lines[i] = k + "=" + stored;  // the key keeps its spelling
        insert_at = std::string::npos;
        break;
      }
      insert_at = i + 1;
    }
  }
  if (!found_section) {
    lines.push_back("[" + sec + "]");
    lines.push_back(entry);
  } else if (insert_at != std::string::npos) {
    lines.insert(lines.begin() + long(insert_at), entry);
  }

  std::ostringstream text;
  for (const auto& line : lines) text << line << "\r\n";
  std::ofstream out(path_, std::ios::binary | std::ios::trunc);
  if (!out) return false;
  out << text.str();
  out.flush();
  return bool(out);
}
