#pragma once
// The document's text taken as the bytes of a file, and bytes read back as
// text: how a text that was read in the wrong encoding is put right. The
// edit area's NUL sign stands for the NUL byte both ways.
#include <optional>
#include <string>
#include <string_view>

#include "common/file_encoding.h"
#include "text/exact_conversion.h"

// A page's file encoding: the 8-bit pages and UTF-8; any other is WIN.
File_Encoding Encoding_Of(Text_Page page);

// The text's Windows-1251 bytes; none when it holds a character Windows-1251
// lacks, for such a text was never the bytes of a file read as WIN.
std::optional<std::string> Text_As_Win1251_Bytes(const std::wstring& text);

// The bytes read in `page`, a code page or UTF-8, exactly; bytes that are no
// UTF-8 come out as U+FFFD.
std::wstring Bytes_As_Text(const std::string& bytes, Text_Page page);

// The 8-bit page a file's bytes were written in, as its file encoding: WIN
// when the detector cannot tell (text/page_detector.h), when it names UTF-8,
// and when the bytes read in the page as they do in WIN.
File_Encoding Recognize_File_Page(std::string_view bytes);

// The text's characters as UTF-8 bytes, those bytes shown as Windows-1251:
// the text as it looks when a UTF-8 file is read as WIN.
std::wstring Utf8_Bytes_As_Win1251(const std::wstring& text);
