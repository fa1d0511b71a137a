#include "tools/winhelp/cp1251.h"

#include <cstdint>

namespace winhelp {
namespace {

// Code points of bytes 0x80..0xBF; 0 marks the one unassigned byte (0x98).
// Bytes 0xC0..0xFF are the contiguous letters А..я (U+0410..U+044F).
constexpr std::uint16_t kUpperHalf[64] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0000, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

std::optional<char> encode(std::uint32_t code_point) {
  if (code_point < 0x80) return static_cast<char>(code_point);
  if (code_point >= 0x0410 && code_point <= 0x044F) {
    return static_cast<char>(0xC0 + (code_point - 0x0410));
  }
  for (unsigned i = 0; i < 64; ++i) {
    if (kUpperHalf[i] != 0 && kUpperHalf[i] == code_point) return static_cast<char>(0x80 + i);
  }
  return std::nullopt;
}

// Reads one UTF-8 sequence at pos; advances pos. Rejects overlong forms,
// surrogates and truncated sequences.
std::optional<std::uint32_t> decode(const std::string& text, std::size_t& pos) {
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned lead = byte(pos);
  int extra = 0;
  std::uint32_t cp = 0;
  if (lead < 0x80) {
    ++pos;
    return lead;
  } else if ((lead & 0xE0) == 0xC0) {
    extra = 1;
    cp = lead & 0x1F;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2;
    cp = lead & 0x0F;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3;
    cp = lead & 0x07;
  } else {
    return std::nullopt;
  }
  if (pos + extra >= text.size()) return std::nullopt;
  for (int i = 1; i <= extra; ++i) {
    const unsigned next = byte(pos + i);
    if ((next & 0xC0) != 0x80) return std::nullopt;
    cp = (cp << 6) | (next & 0x3F);
  }
  static constexpr std::uint32_t kMinimum[4] = {0, 0x80, 0x800, 0x10000};
  if (cp < kMinimum[extra] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return std::nullopt;
  pos += extra + 1;
  return cp;
}

}  // namespace

std::optional<std::string> utf8_to_cp1251(const std::string& utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t pos = 0;
  while (pos < utf8.size()) {
    const auto cp = decode(utf8, pos);
    if (!cp) return std::nullopt;
    const auto ch = encode(*cp);
    if (!ch) return std::nullopt;
    out.push_back(*ch);
  }
  return out;
}

}  // namespace winhelp
