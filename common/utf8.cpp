#include "common/utf8.h"

Utf8_Sequence Read_Utf8(std::string_view bytes, std::size_t at) {
  const auto b = static_cast<unsigned char>(bytes[at]);
  if (b < 0x80) return {b, 1};
  std::size_t length;
  uint32_t cp, least;
  if (b >= 0xC2 && b <= 0xDF) {
    length = 2, cp = b & 0x1F, least = 0x80;
  } else if (b >= 0xE0 && b <= 0xEF) {
    length = 3, cp = b & 0x0F, least = 0x800;
  } else if (b >= 0xF0 && b <= 0xF4) {
    length = 4, cp = b & 0x07, least = 0x10000;
  } else {
    return {0, 0};  // a continuation byte, C0/C1 (always overlong) or F5 and up
  }
  if (bytes.size() - at < length) return {0, 0};
  for (std::size_t k = 1; k < length; ++k) {
    const auto c = static_cast<unsigned char>(bytes[at + k]);
    if (!Is_Utf8_Continuation(c)) return {0, 0};
    cp = (cp << 6) | (c & 0x3F);
  }
  if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp < 0xE000)) return {0, 0};
  return {cp, length};
}

