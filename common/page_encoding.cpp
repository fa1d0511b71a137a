#include "common/page_encoding.h"

#include <array>
#include <cstdint>
#include <memory>

#include "common/cyrillic_pages.h"
#include "common/win1251_unicode.h"

namespace {

// WIN, DOS, KOI, ISO, MAC, KOI8-U, CP1125, IBM855: the order of both tables below.
int Page_Index(File_Encoding page) {
  switch (page) {
    case File_Encoding::Dos:
      return 1;
    case File_Encoding::Koi:
      return 2;
    case File_Encoding::Iso:
      return 3;
    case File_Encoding::Mac:
      return 4;
    case File_Encoding::Koi8_U:
      return 5;
    case File_Encoding::Cp1125:
      return 6;
    case File_Encoding::Ibm855:
      return 7;
    default:
      return 0;
  }
}

const std::array<char16_t, 128>* const kUpper_Halves[] = {
    &kWin1251_Upper_Half,      &kDos866_Upper_Half, &kKoi8r_Upper_Half,  &kIso8859_5_Upper_Half,
    &kMac_Cyrillic_Upper_Half, &kKoi8u_Upper_Half,  &kCp1125_Upper_Half, &kIbm855_Upper_Half};
constexpr int kPage_Count = int(sizeof kUpper_Halves / sizeof kUpper_Halves[0]);

// For each UTF-16 code unit the page's byte, 0 where the page lacks it (no
// upper-half byte is 0, and the lower half is looked up without the table).
using Reverse_Chart = std::array<std::uint8_t, 0x10000>;

const Reverse_Chart& Reverse_Of(File_Encoding page) {
  static const auto charts = [] {
    std::array<std::unique_ptr<Reverse_Chart>, kPage_Count> made;
    for (int p = 0; p < kPage_Count; ++p) {
      made[p] = std::make_unique<Reverse_Chart>();
      made[p]->fill(0);
      for (int i = 0; i < 128; ++i) (*made[p])[(*kUpper_Halves[p])[i]] = std::uint8_t(0x80 + i);
    }
    return made;
  }();
  return *charts[Page_Index(page)];
}

// The byte of `c` in the page, or -1 when the page lacks it.
int Page_Byte_Of(const Reverse_Chart& chart, wchar_t c, wchar_t nul_symbol) {
  const auto u = std::uint32_t(c) & 0xFFFF;
  if (u < 0x80) return int(u);
  if (c == nul_symbol) return 0;
  const std::uint8_t b = chart[u];
  return b ? b : -1;
}

}  // namespace

const std::array<char16_t, 128>& Upper_Half_Of(File_Encoding page) {
  return *kUpper_Halves[Page_Index(page)];
}

bool Is_8_Bit_Encoding(File_Encoding encoding) {
  switch (encoding) {
    case File_Encoding::Win:
    case File_Encoding::Dos:
    case File_Encoding::Koi:
    case File_Encoding::Iso:
    case File_Encoding::Mac:
    case File_Encoding::Koi8_U:
    case File_Encoding::Cp1125:
    case File_Encoding::Ibm855:
      return true;
    default:
      return false;
  }
}

std::wstring Decode_Page_Text(const std::string& bytes, File_Encoding page) {
  const auto& half = Upper_Half_Of(page);
  std::wstring text(bytes.size(), L'\0');
  for (size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    text[i] = b < 0x80 ? wchar_t(b) : wchar_t(half[b - 0x80]);
  }
  return text;
}

std::string Encode_Page_Text(const std::wstring& text, File_Encoding page, wchar_t nul_symbol) {
  const Reverse_Chart& chart = Reverse_Of(page);
  std::string bytes(text.size(), '\0');
  size_t out = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const int b = Page_Byte_Of(chart, text[i], nul_symbol);
    bytes[out++] = b < 0 ? '?' : char(b);
    // A pair is one character, and one '?'.
    if (b < 0 && Is_High_Surrogate(std::uint32_t(text[i]) & 0xFFFF) && i + 1 < text.size() &&
        Is_Low_Surrogate(std::uint32_t(text[i + 1]) & 0xFFFF))
      ++i;
  }
  bytes.resize(out);
  return bytes;
}

Characters_Outside Characters_Outside_Encoding(const std::wstring& text, File_Encoding encoding,
                                               wchar_t nul_symbol) {
  Characters_Outside outside;
  if (!Is_8_Bit_Encoding(encoding)) return outside;
  const Reverse_Chart& chart = Reverse_Of(encoding);
  for (size_t i = 0; i < text.size(); ++i) {
    if (Page_Byte_Of(chart, text[i], nul_symbol) >= 0) continue;
    const bool pair = Is_High_Surrogate(std::uint32_t(text[i]) & 0xFFFF) && i + 1 < text.size() &&
                      Is_Low_Surrogate(std::uint32_t(text[i + 1]) & 0xFFFF);
    if (!outside.Count++) outside.First = Encode_File_Text(text.substr(i, pair ? 2 : 1), File_Encoding::Utf8);
    if (pair) ++i;
  }
  return outside;
}
