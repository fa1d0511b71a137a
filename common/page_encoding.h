#pragma once
// Files in the 8-bit pages, WIN included: each byte is the character its
// page's chart names, so every byte comes back as it went in.
#include <array>
#include <string>

#include "common/control_text.h"
#include "common/file_encoding.h"

// The page's chart of bytes 0x80..0xFF, as UTF-16 code units.
const std::array<char16_t, 128>& Upper_Half_Of(File_Encoding page);
// Bytes 0x80..0xFF by the page's chart; the lower half is ASCII.
std::wstring Decode_Page_Text(const std::string& bytes, File_Encoding page);
// Characters the page lacks become '?'; `nul_symbol` (the edit area's sign
// for NUL) becomes the NUL byte, as it does in WIN.
std::string Encode_Page_Text(const std::wstring& text, File_Encoding page, wchar_t nul_symbol = kNulSymbol);
