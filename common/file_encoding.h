#pragma once
// The encodings a document's file may be in. Inside the program the text is
// Windows-1251 or, for the other files, UTF-16 code units (one wchar_t
// each, surrogate pairs kept as two units whatever the size of wchar_t).
#include <cstddef>
#include <string>
#include <string_view>

enum class File_Encoding {
  Win,  // Windows-1251, every byte as it is: the program's own
  Utf8,
  Utf8_Bom,
  Utf16_Le,  // with its byte-order mark
  Utf16_Be,  // with its byte-order mark
  // The other 8-bit Cyrillic pages, each byte a character of the page's
  // chart (common/cyrillic_pages.h).
  Dos,
  Koi,
  Iso,
  Mac,
  // Pages for Ukrainian and Belarusian text, appended so that no earlier
  // value moves.
  Koi8_U,
  Cp1125,  // the Ukrainian DOS page
  Ibm855,
};

// Every encoding, in the order the menu of file encodings lists them.
constexpr File_Encoding kFile_Encodings[] = {
    File_Encoding::Win,      File_Encoding::Utf8,   File_Encoding::Utf8_Bom, File_Encoding::Utf16_Le,
    File_Encoding::Utf16_Be, File_Encoding::Dos,    File_Encoding::Koi,      File_Encoding::Iso,
    File_Encoding::Mac,      File_Encoding::Koi8_U, File_Encoding::Cp1125,   File_Encoding::Ibm855};

// The short name the status bar shows: "WIN", "UTF-8", "UTF-8 BOM", "UTF-16 LE", "UTF-16 BE",
// "DOS", "KOI", "ISO", "MAC", "KOI8-U", "CP1125", "IBM855".
const char* File_Encoding_Name(File_Encoding encoding);
// WIN and the other 8-bit pages: one byte a character, and some characters missing.
bool Is_8_Bit_Encoding(File_Encoding encoding);

// The encoding of a file's bytes. A byte-order mark names UTF-16 LE, BE or
// UTF-8; bytes without one are UTF-8 when they are valid UTF-8 and hold at
// least one character beyond ASCII. Anything else is WIN (an 8-bit page is
// never guessed here: that takes a look at the language). A file is taken as
// Unicode only when its text comes back to the same bytes: a mark followed by
// broken sequences, an odd byte, or a NUL character (which the edit area
// cannot hold) leaves it WIN, opened byte for byte.
File_Encoding Recognize_File_Encoding(std::string_view bytes);

// Strictly valid UTF-8: no overlong forms, no surrogates, nothing past
// U+10FFFF, no sequence cut off at the end.
bool Is_Valid_Utf8(std::string_view bytes);

// The text of a file without its byte-order mark. Bytes that do not decode
// come out as U+FFFD; Recognize_File_Encoding never picks an encoding the
// bytes do not decode in. In an 8-bit page every byte decodes.
std::wstring Decode_File_Text(const std::string& bytes, File_Encoding encoding);
// The UTF-16 units of UTF-8 bytes, by the same rule, written from `out` on:
// never more units than bytes. The end of what was written.
wchar_t* Decode_Utf8_Units(std::string_view bytes, wchar_t* out);
// The file's bytes for a text, byte-order mark included. An unpaired
// surrogate is written as U+FFFD in UTF-8 and as it is in UTF-16. A
// character an 8-bit page lacks is written as '?': ask
// Characters_Outside_Encoding first.
std::string Encode_File_Text(const std::wstring& text, File_Encoding encoding);

// The characters of a text that Windows-1251 cannot store.
struct Characters_Outside {
  size_t Count = 0;   // a surrogate pair counts once
  std::string First;  // the first of them, as UTF-8; empty when there is none
};
// `nul_symbol` stands for the NUL byte and is not counted.
Characters_Outside Characters_Outside_Win1251(const std::wstring& text, wchar_t nul_symbol);
// The same for any encoding; the Unicode ones hold every character.
Characters_Outside Characters_Outside_Encoding(const std::wstring& text, File_Encoding encoding,
                                               wchar_t nul_symbol);
