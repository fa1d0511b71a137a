#pragma once
// What one pass over a file's bytes tells before any of it goes in: the
// encoding the bytes are in, whether they hold a NUL byte, their line ends,
// and how long the text is in the edit area's UTF-16 units, with its longest
// run without a space or line break. The pass goes a block at a time and
// looks at each block once while it is in the cache: a large file is read
// once before its first screen, not once for each question.
#include <cstddef>
#include <string_view>

#include "common/file_encoding.h"
#include "common/line_ends.h"

struct File_Survey {
  // As Recognize_File_Encoding names it.
  File_Encoding Encoding = File_Encoding::Win;
  bool Holds_Nul = false;
  // The line ends of the text behind any byte-order mark, for the 8-bit
  // pages and UTF-8 (a UTF-16 file's are counted as it is decoded).
  Line_End_Count Ends;
  // The length of that text once every line end is one unit, and its
  // longest run, read one byte a unit (an 8-bit page) or as UTF-8.
  std::size_t Page_Units = 0, Page_Longest_Run = 0;
  std::size_t Utf8_Units = 0, Utf8_Longest_Run = 0;

  std::size_t Units_In(File_Encoding encoding) const {
    return Is_8_Bit_Encoding(encoding) ? Page_Units : Utf8_Units;
  }
  std::size_t Longest_Run_In(File_Encoding encoding) const {
    return Is_8_Bit_Encoding(encoding) ? Page_Longest_Run : Utf8_Longest_Run;
  }
};

File_Survey Survey_File(std::string_view bytes);
// The same for bytes to be read in an 8-bit page whatever they look like:
// every byte a character, a byte-order mark included.
File_Survey Survey_As_Page(std::string_view bytes);

// Where the text of a file in `encoding` starts: behind its byte-order mark.
std::size_t Text_Start(std::string_view bytes, File_Encoding encoding);
