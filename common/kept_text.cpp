#include "common/kept_text.h"

#include "common/control_text.h"
#include "common/win1251_unicode.h"

namespace {

// The control's units that make up the character at `at`.
std::size_t Character_Units(const std::wstring& text, std::size_t at) {
  const bool pair = Is_High_Surrogate(text[at]) && at + 1 < text.size() && Is_Low_Surrogate(text[at + 1]);
  return pair ? 2 : 1;
}

}  // namespace

Kept_Text Keep_Outside_Win1251(const std::wstring& control_text) {
  // One byte per unit, '?' for every unit the code page lacks.
  const std::string bytes = Control_Text_To_Document(control_text);
  Kept_Text out;
  out.Bytes.reserve(bytes.size());
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    const bool lost = bytes[at] == '?' && control_text[at] != L'?';
    if (!lost && bytes[at] != kStandIn) {
      out.Bytes += bytes[at];
      continue;
    }
    const std::size_t units = Character_Units(control_text, at);
    out.Kept.push_back(control_text.substr(at, units));
    out.Bytes += kStandIn;
    at += units - 1;
  }
  return out;
}

std::wstring Put_Back_Kept(const std::string& bytes, const std::vector<std::wstring>& kept) {
  const std::wstring text = Document_To_Control_Text(bytes);
  if (kept.empty()) return text;
  std::wstring out;
  out.reserve(text.size() + kept.size());
  std::size_t next = 0;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    if (bytes[at] == kStandIn && next < kept.size())
      out += kept[next++];
    else
      out += text[at];
  }
  return out;
}
