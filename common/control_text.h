#pragma once
// The document's bytes as the edit control holds them. The control speaks
// UTF-16 and takes its text as a zero-terminated string, so a NUL byte would
// end the document there: it travels as the NUL sign and comes back as NUL.
// Every other byte maps as Windows-1251.
#include <string>

// A private-use character, which no text the user types or pastes is meant
// to hold: U+2400, the symbol for NUL, would turn a typed one into a NUL byte
// on saving. Fonts without a glyph for it show their box for missing ones.
constexpr wchar_t kNulSymbol = 0xE000;

std::wstring Document_To_Control_Text(const std::string& text);
// Characters that Windows-1251 cannot store become '?'.
std::string Control_Text_To_Document(const std::wstring& text);

// What Control_Text_To_Document_Exactly throws instead of writing '?'.
struct Outside_Win1251 {};
std::string Control_Text_To_Document_Exactly(const std::wstring& text);
