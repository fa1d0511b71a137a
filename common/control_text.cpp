#include "common/control_text.h"

#include "common/win1251_unicode.h"

std::wstring Document_To_Control_Text(const std::string& text) {
  std::wstring wide = Win1251_To_Utf16(text);
  for (wchar_t& c : wide)
    if (c == L'\0') c = kNulSymbol;
  return wide;
}

std::string Control_Text_To_Document_Exactly(const std::wstring& text) {
  std::string bytes = Control_Text_To_Document(text);
  // Every '?' that is not one in the text stands for a character lost.
  for (size_t at = bytes.find('?'); at != std::string::npos; at = bytes.find('?', at + 1))
    if (text[at] != L'?') throw Outside_Win1251{};
  return bytes;
}

std::string Control_Text_To_Document(const std::wstring& text) {
  // The conversion keeps every position, so the NULs go back in place.
  std::string bytes = Utf16_To_Win1251(text);
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == kNulSymbol) bytes[i] = '\0';
  return bytes;
}
