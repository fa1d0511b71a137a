#pragma once
// Conversion of whole texts between the 8-bit code pages, UTF-8 and UTF-16 that keeps
// every character: Ё, №, « », the no-break space, Ukrainian and Belarusian
// letters and box drawing arrive as themselves wherever the target has them.
// What the target lacks is counted, never silently dropped.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "text/code_page_charts.h"
#include "text/utf8_kernels.h"

// The 8-bit pages by their chart numbers (text/code_page_charts.h), then the
// Unicode forms.
enum Text_Page : int {
  Page_DOS = Codepage_DOS,
  Page_ISO = Codepage_ISO,
  Page_KOI = Codepage_KOI,
  Page_MAC = Codepage_MAC,
  Page_WIN = Codepage_WIN,
  Page_KOI8U = Chart_KOI8U,
  Page_CP1125 = Chart_CP1125,
  Page_IBM855 = Chart_IBM855,
  Page_UTF8 = Chart_Count,
  // Without a byte-order mark; a mark at the start of a source is dropped.
  Page_UTF16LE,
  Page_UTF16BE,
  // Read by its byte-order mark (without one, by where the zero bytes of
  // ASCII stand); written little-endian after a mark.
  Page_UTF16,
};
constexpr int Eight_Bit_Page_Count = Chart_Count;
constexpr int Text_Page_Count = Page_UTF16 + 1;

constexpr bool Is_Eight_Bit_Page(Text_Page page) { return page < Eight_Bit_Page_Count; }
constexpr bool Is_Utf16_Page(Text_Page page) { return page >= Page_UTF16LE; }

// "DOS", "ISO", "KOI", "MAC", "WIN", "KOI8-U", "CP1125", "IBM855", "UTF-8",
// "UTF-16LE", "UTF-16BE", "UTF-16".
const char* Text_Page_Name(Text_Page page);
// The page named name, in any case: the names above and the names people
// use (KOI8-R, CP866, IBM866, ISO-8859-5, MacCyrillic, x-mac-cyrillic,
// CP1251, windows-1251, UTF8 ...); false when there is none.
bool Parse_Text_Page(std::string_view name, Text_Page* page);

struct Exact_Conversion {
  std::string text;
  // Characters the target lacks, each written as the replacement byte.
  std::size_t missing = 0;
  char32_t first_missing = 0;
  std::size_t first_missing_at = 0;  // its byte offset in the source
  // Bytes of a UTF-8 source that are no UTF-8, each written as the replacement.
  std::size_t invalid = 0;
  std::size_t first_invalid_at = 0;
};

Exact_Conversion Convert_Exact(std::string_view text, Text_Page from, Text_Page to, char replacement = '?');

// The same conversion piece by piece, for texts too large to hold at once.
// Offsets in the report count from the start of the first piece.
class Exact_Converter {
 public:
  Exact_Converter(Text_Page from, Text_Page to, char replacement = '?');
  // Appends the next piece converted to out. A UTF-8 sequence cut at the
  // piece's end waits for the next piece.
  void Convert(std::string_view piece, std::string* out);
  // The end of the text: a sequence still waiting is no UTF-8.
  void Finish(std::string* out);
  // All but the text, which went to out.
  const Exact_Conversion& Report() const { return report_; }
  // The vector kernel for the UTF-8 conversions, the fastest by default; any
  // available one gives the same text and report.
  void Use_Kernel(Utf8_Kernel kernel) { kernel_ = kernel; }

 private:
  void Convert_Whole(std::string_view text, std::string* out);
  void Page_To_Page(std::string_view text, std::string* out);
  void Page_To_Utf8(std::string_view text, std::string* out);
  void From_Utf8(std::string_view text, std::string* out);
  // Every conversion from or to UTF-16, a character at a time.
  void Through_Code_Points(std::string_view text, std::string* out);
  void Put_Code_Point(char32_t code, std::size_t at, std::string* out);

  Text_Page from_, to_;
  char replacement_;
  std::array<std::uint8_t, 256> map_{};  // byte to byte between two pages
  std::array<bool, 256> lacking_{};      // bytes whose character the target lacks
  bool lacks_any_ = false;
  std::array<std::array<char, 4>, 256> forms_{};  // a page's bytes as UTF-8; [3] is the length
  std::vector<std::int16_t> reverse_;             // code point to byte of the target
  Page_Forms page_forms_{};                       // forms_ as the kernels read them
  Utf8_Keys keys_{};                              // reverse_ as the kernels read it
  Utf8_Kernel kernel_ = Fastest_Utf8_Kernel();
  std::string pending_;          // a UTF-8 sequence or UTF-16 unit cut by a piece's end
  bool little_endian_ = true;    // of a UTF-16 source
  bool source_started_ = false;  // the source's first bytes were seen
  bool target_started_ = false;  // the target's byte-order mark was written
  char32_t high_surrogate_ = 0;  // of a UTF-16 source, waiting for its pair
  std::size_t high_surrogate_at_ = 0;
  std::size_t offset_ = 0;  // where the next text to convert starts
  Exact_Conversion report_;
};

// One code point from UTF-8 at text[*at], advancing *at; -1 (advancing one
// byte) when the bytes there are not UTF-8: overlong, surrogate, cut short.
long Decode_Utf8(std::string_view text, std::size_t* at);
void Append_Utf8(std::string& out, char32_t code);
