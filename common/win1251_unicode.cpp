#include "common/utf8.h"
#include "common/win1251_unicode.h"

#include <array>
#include <cstddef>
#include <cstdint>

constexpr std::array<char16_t, 128> kWin1251_Upper_Half = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457, 0x0410,
    0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417, 0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D,
    0x041E, 0x041F, 0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427, 0x0428, 0x0429, 0x042A,
    0x042B, 0x042C, 0x042D, 0x042E, 0x042F, 0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F, 0x0440, 0x0441, 0x0442, 0x0443, 0x0444,
    0x0445, 0x0446, 0x0447, 0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};

namespace {

constexpr const std::array<char16_t, 128>& kUpper = kWin1251_Upper_Half;

// The way back for the upper half's characters outside the basic Cyrillic
// letters: they all lie in four 256-character pages of Unicode.
constexpr char16_t kPages[] = {0x0000, 0x0400, 0x2000, 0x2100};
constexpr std::size_t kPageCount = sizeof(kPages) / sizeof(kPages[0]);
using Page_Table = std::array<std::array<std::int16_t, 256>, kPageCount>;

constexpr Page_Table Make_Reverse_Pages() {
  Page_Table pages{};
  for (auto& page : pages)
    for (auto& entry : page) entry = -1;
  for (int i = 0; i < 128; ++i) {
    const char16_t c = kUpper[std::size_t(i)];
    for (std::size_t p = 0; p < kPageCount; ++p)
      if ((c & 0xFF00) == kPages[p]) pages[p][c & 0xFF] = std::int16_t(0x80 + i);
  }
  return pages;
}

constexpr Page_Table kReversePages = Make_Reverse_Pages();

// Russian text is nearly all below U+0500: one lookup, no branches on the
// kind of character.
constexpr char16_t kLowLimit = 0x0500;

constexpr std::array<std::int16_t, kLowLimit> Make_Low_Table() {
  std::array<std::int16_t, kLowLimit> low{};
  for (char16_t c = 0; c < kLowLimit; ++c) {
    if (c < 0x80) {
      low[c] = std::int16_t(c);
    } else if (c >= 0x0410 && c <= 0x044F) {
      low[c] = std::int16_t(c - 0x0410 + 0xC0);
    } else {
      low[c] = -1;
      for (std::size_t p = 0; p < kPageCount; ++p)
        if ((c & 0xFF00) == kPages[p]) low[c] = kReversePages[p][c & 0xFF];
    }
  }
  return low;
}

constexpr std::array<std::int16_t, kLowLimit> kLow = Make_Low_Table();

int To_Byte(char16_t c) {
  if (c < kLowLimit) return kLow[c];
  for (std::size_t p = 0; p < kPageCount; ++p)
    if ((c & 0xFF00) == kPages[p]) return kReversePages[p][c & 0xFF];
  return -1;
}

}  // namespace

std::wstring Win1251_To_Utf16(const std::string& text) {
  std::wstring out(text.size(), L'\0');
  for (size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    out[i] = b < 0x80 ? wchar_t(b) : wchar_t(kUpper[b - 0x80]);
  }
  return out;
}

std::string Utf16_To_Win1251(const std::wstring& text) {
  std::string out(text.size(), '\0');
  for (size_t i = 0; i < text.size(); ++i) {
    const int b = To_Byte(char16_t(text[i]));
    out[i] = b < 0 ? '?' : char(b);
  }
  return out;
}

// A byte that opens no valid sequence becomes U+FFFD on its own.
std::wstring Utf8_To_Utf16(const std::string& text) {
  std::wstring out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size();) {
    const Utf8_Sequence sequence = Read_Utf8(text, i);
    const uint32_t cp = sequence.Length ? sequence.Code_Point : 0xFFFD;
    i += sequence.Length ? sequence.Length : 1;
    if (cp >= 0x10000 && sizeof(wchar_t) == 2) {
      out += wchar_t(0xD800 + ((cp - 0x10000) >> 10));
      out += wchar_t(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
      out += wchar_t(cp);
    }
  }
  return out;
}

std::string Utf16_To_Utf8(const std::wstring& text) {
  std::string out;
  out.reserve(text.size() * 2);
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t cp = uint32_t(text[i]);
    if (cp >= 0xD800 && cp < 0xDC00 && i + 1 < text.size()) {
      const uint32_t low = uint32_t(text[i + 1]);
      if (low >= 0xDC00 && low < 0xE000) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
        ++i;
      }
    }
    Append_Utf8(out, cp);
  }
  return out;
}

std::string Utf8_To_Win1251(const std::string& text) { return Utf16_To_Win1251(Utf8_To_Utf16(text)); }

std::string Win1251_To_Utf8(const std::string& text) { return Utf16_To_Utf8(Win1251_To_Utf16(text)); }

void Append_Utf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += char(cp);
  } else if (cp < 0x800) {
    out += char(0xC0 | (cp >> 6));
    out += char(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += char(0xE0 | (cp >> 12));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  } else {
    out += char(0xF0 | (cp >> 18));
    out += char(0x80 | ((cp >> 12) & 0x3F));
    out += char(0x80 | ((cp >> 6) & 0x3F));
    out += char(0x80 | (cp & 0x3F));
  }
}
