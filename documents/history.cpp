#include "documents/history.h"

#include "common/settings_file.h"
#include "common/win1251_unicode.h"

std::string History_Caption(const std::string& prefix, const std::string& path) {
  const std::wstring wide = Utf8_To_Utf16(path);
  if (wide.size() <= 70) return prefix + path;
  return prefix + Utf16_To_Utf8(wide.substr(0, 17)) + "..." + Utf16_To_Utf8(wide.substr(wide.size() - 50));
}

namespace {
std::string Prefix(int i) { return std::to_string(i + 1) + ". "; }
}  // namespace

void Recent_Files::Show_Entry(int i) {
  Items[i].Caption = History_Caption(Prefix(i), Files.Names[i]);
  if (!Files.Names[i].empty()) Items[i].Visible = Items[i].Enabled = true;
}

void Recent_Files::Fill() {
  Items = {};
  Items[0].Visible = Items[0].Enabled = true;
  for (int i = 0; i < kHistorySize; ++i) Show_Entry(i);
  if (Files.Names[0].empty()) {
    Items[0].Caption = kEmptyHistoryCaption;
    Items[0].Enabled = false;
  }
}

void Recent_Files::Add(const std::string& path, int32_t caret) {
  for (const auto& name : Files.Names)
    if (name == path) return;
  for (int i = kHistorySize - 1; i >= 1; --i) {
    Files.Positions[i] = Files.Positions[i - 1];
    Files.Names[i] = Files.Names[i - 1];
    Show_Entry(i);
  }
  Files.Positions[0] = std::to_string(caret);
  Files.Names[0] = path;
  Show_Entry(0);
}

void Recent_Files::Remember_Caret(const std::string& document, int32_t caret) {
  for (int i = 0; i < kHistorySize; ++i)
    if (Files.Names[i] == document) Files.Positions[i] = std::to_string(caret);
}

std::optional<int32_t> Recent_Files::Caret_To_Restore(const std::string& document, bool caret_memory) const {
  if (!caret_memory) return std::nullopt;
  std::optional<int32_t> caret;
  for (int i = 0; i < kHistorySize; ++i) {
    if (Files.Names[i] != document) continue;
    // A hand-edited position that is no number leaves the caret where it is.
    if (auto offset = Parse_Profile_Integer(Files.Positions[i]); offset && *offset >= 0) caret = offset;
  }
  return caret;
}

void Recent_Files::Clear() {
  for (int i = 0; i < kHistorySize; ++i) {
    Files.Names[i].clear();
    Files.Positions[i] = "0";
    Items[i] = {};
  }
  Items[0].Visible = true;
  Items[0].Caption = kEmptyHistoryCaption;
}
