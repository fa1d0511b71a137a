#pragma once
// The tray icon's tip: the document name, shortened to the tip field so that
// the end of the path, the file name, stays readable. Works on UTF-8 and
// counts UTF-16 units, as the field holds them.
#include <cstddef>
#include <string>

#include "common/utf8.h"

constexpr size_t kTrayTipField = 64;  // units, the terminating zero included

namespace tray_tip_detail {

inline bool Starts_Code_Point(char c) { return Starts_Utf8_Code_Point(static_cast<unsigned char>(c)); }
inline size_t Units_Of_Lead(char c) { return Utf16_Units_Of_Lead(static_cast<unsigned char>(c)); }

inline size_t Utf16_Length(const std::string& text) {
  size_t units = 0;
  for (char c : text)
    if (Starts_Code_Point(c)) units += Units_Of_Lead(c);
  return units;
}

// The longest end of `text` that takes at most `units`, cut between code points.
inline std::string Utf16_Tail(const std::string& text, size_t units) {
  size_t start = text.size(), used = 0;
  for (size_t i = text.size(); i-- > 0;) {
    if (!Starts_Code_Point(text[i])) continue;
    if (used + Units_Of_Lead(text[i]) > units) break;
    used += Units_Of_Lead(text[i]);
    start = i;
  }
  return text.substr(start);
}

inline bool Is_Separator(char c) { return c == '\\' || c == '/'; }

}  // namespace tray_tip_detail

// A name that fits stays as it is. A longer path keeps its root ("C:\") and
// as many of its last components as fit behind "...": "C:\...\Dir\name.txt".
// A file name too long even for that keeps its end: "...ong name.txt".
inline std::string Tray_Tip(const std::string& name, size_t field = kTrayTipField) {
  using namespace tray_tip_detail;
  const std::string ellipsis = "...";
  if (field <= ellipsis.size() + 1) return Utf16_Tail(name, field > 0 ? field - 1 : 0);
  const size_t room = field - 1;
  if (Utf16_Length(name) <= room) return name;

  const size_t first = name.find_first_of("\\/");
  const std::string root = first != std::string::npos && first <= 2 ? name.substr(0, first + 1) : "";
  std::string best;
  for (size_t i = name.size(); i-- > root.size();) {
    if (!Is_Separator(name[i])) continue;
    const std::string candidate = root + ellipsis + name.substr(i);
    if (Utf16_Length(candidate) > room) break;
    best = candidate;
  }
  if (!best.empty()) return best;
  return ellipsis + Utf16_Tail(name, room - ellipsis.size());
}
