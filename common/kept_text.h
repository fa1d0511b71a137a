#pragma once
// The text commands work on Windows-1251 bytes, but the edit area may hold
// characters the code page lacks. While a command runs, each of them stands
// in the bytes as 0x01, a control character that no command changes, and is
// kept aside; afterwards the kept characters go back in place of the
// stand-ins, in order. U+0001 itself is kept the same way, so every stand-in
// has its kept character. Every other character, U+0098 (the byte 0x98)
// included, is the command's to read as its Windows-1251 byte. NULs travel as
// in control_text.h.
#include <string>
#include <vector>

constexpr char kStandIn = '\x01';

struct Kept_Text {
  std::string Bytes;
  std::vector<std::wstring> Kept;  // one character each, a surrogate pair as one
};

Kept_Text Keep_Outside_Win1251(const std::wstring& control_text);

// The control's text again: the bytes with the kept characters in place of
// the stand-ins. A stand-in beyond the kept ones reads as U+0001.
std::wstring Put_Back_Kept(const std::string& bytes, const std::vector<std::wstring>& kept);
