#include "app/menu_letters.h"

#include "common/win1251_unicode.h"

namespace {

bool Is_Letter_Or_Digit(wchar_t c) {
  return (c >= L'0' && c <= L'9') || (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') ||
         (c >= 0x0400 && c <= 0x045F);
}

// The small letter of a Latin or Cyrillic capital; anything else as it is.
wchar_t Small(wchar_t c) {
  if (c >= L'A' && c <= L'Z') return wchar_t(c + 0x20);
  if (c >= 0x0410 && c <= 0x042F) return wchar_t(c + 0x20);
  if (c >= 0x0400 && c <= 0x040F) return wchar_t(c + 0x50);
  return c;
}

}  // namespace

std::string With_Menu_Letter(const std::string& caption, std::wstring& used) {
  const std::wstring wide = Utf8_To_Utf16(caption);
  const std::size_t tab = wide.find(L'\t');
  std::wstring out;
  out.reserve(wide.size() + 4);
  bool marked = false;
  for (std::size_t at = 0; at < wide.size(); ++at) {
    const wchar_t c = wide[at];
    if (c == L'&') {
      out += L"&&";
      continue;
    }
    if (!marked && at < tab && Is_Letter_Or_Digit(c) && used.find(Small(c)) == std::wstring::npos) {
      out += L'&';
      used += Small(c);
      marked = true;
    }
    out += c;
  }
  return Utf16_To_Utf8(out);
}
