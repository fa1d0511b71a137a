#include "common/file_encoding.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "common/page_encoding.h"
#include "common/utf8.h"
#include "common/win1251_unicode.h"

namespace {

bool Starts_With(std::string_view bytes, const char* mark, size_t size) {
  return bytes.size() >= size && bytes.compare(0, size, mark, size) == 0;
}

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";
constexpr char kUtf16LeMark[] = "\xFF\xFE";
constexpr char kUtf16BeMark[] = "\xFE\xFF";

size_t Mark_Size(File_Encoding encoding) {
  switch (encoding) {
    case File_Encoding::Utf8_Bom:
      return 3;
    case File_Encoding::Utf16_Le:
    case File_Encoding::Utf16_Be:
      return 2;
    default:
      return 0;
  }
}

// Writes the code point's one or two units at `out`; returns the end.
wchar_t* Put_Utf16(wchar_t* out, uint32_t cp) {
  if (cp < 0x10000) {
    *out++ = wchar_t(cp);
  } else {
    cp -= 0x10000;
    *out++ = wchar_t(0xD800 + (cp >> 10));
    *out++ = wchar_t(0xDC00 + (cp & 0x3FF));
  }
  return out;
}

// How many bytes from `in` on are ASCII, looked at eight at a time.
size_t Ascii_Run(const unsigned char* in, size_t size) {
  size_t at = 0;
  for (; at + 8 <= size; at += 8) {
    uint64_t word;
    std::memcpy(&word, in + at, 8);
    if (word & 0x8080808080808080ull) break;
  }
  while (at < size && in[at] < 0x80) ++at;
  return at;
}

// Writes a code point of three or four bytes at `out`; returns the end.
char* Put_Utf8(char* out, uint32_t cp) {
  if (cp < 0x10000) {
    *out++ = char(0xE0 | (cp >> 12));
  } else {
    *out++ = char(0xF0 | (cp >> 18));
    *out++ = char(0x80 | ((cp >> 12) & 0x3F));
  }
  *out++ = char(0x80 | ((cp >> 6) & 0x3F));
  *out++ = char(0x80 | (cp & 0x3F));
  return out;
}

bool Holds_Nul(const std::wstring& text) { return text.find(L'\0') != std::wstring::npos; }

// Valid UTF-8 makes a NUL of a zero byte only, so its bytes answer without
// decoding them.
bool Decodes_To_Nul(std::string_view bytes, File_Encoding encoding) {
  if (encoding == File_Encoding::Utf8 || encoding == File_Encoding::Utf8_Bom)
    return bytes.find('\0') != std::string_view::npos;
  return Holds_Nul(Decode_File_Text(std::string(bytes), encoding));
}

}  // namespace

const char* File_Encoding_Name(File_Encoding encoding) {
  switch (encoding) {
    case File_Encoding::Win:
      return "WIN";
    case File_Encoding::Utf8:
      return "UTF-8";
    case File_Encoding::Utf8_Bom:
      return "UTF-8 BOM";
    case File_Encoding::Utf16_Le:
      return "UTF-16 LE";
    case File_Encoding::Utf16_Be:
      return "UTF-16 BE";
    case File_Encoding::Dos:
      return "DOS";
    case File_Encoding::Koi:
      return "KOI";
    case File_Encoding::Iso:
      return "ISO";
    case File_Encoding::Mac:
      return "MAC";
    case File_Encoding::Koi8_U:
      return "KOI8-U";
    case File_Encoding::Cp1125:
      return "CP1125";
    case File_Encoding::Ibm855:
      return "IBM855";
  }
  return "WIN";
}

bool Is_Valid_Utf8(std::string_view bytes) {
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t size = bytes.size();
  for (size_t at = 0; at < size;) {
#if defined(__SSE2__)
    // A Russian text is ASCII and two-byte sequences: such blocks of sixteen
    // bytes are checked at once, as signed bytes, where continuations are
    // below -64 and the leads C2..DF between -63 and -32. Each lead has its
    // continuation right behind it, the last one in the next block.
    unsigned carry = 0;
    for (; at + 16 <= size; at += 16) {
      const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at));
      const auto continuations = unsigned(_mm_movemask_epi8(_mm_cmplt_epi8(block, _mm_set1_epi8(-64))));
      const auto leads = unsigned(_mm_movemask_epi8(_mm_and_si128(
          _mm_cmpgt_epi8(block, _mm_set1_epi8(-63)), _mm_cmplt_epi8(block, _mm_set1_epi8(-32)))));
      const auto high = unsigned(_mm_movemask_epi8(block));
      if ((continuations | leads) != high || continuations != ((leads << 1 | carry) & 0xFFFF)) break;
      carry = leads >> 15;
    }
    // The careful path takes the block that stopped the fast one, from the
    // start of the sequence that runs into it.
    at -= carry;
    const size_t stop = std::min(size, at + 17);
#else
    const size_t stop = size;
#endif
    while (at < stop) {
      const unsigned b = in[at];
      if (b < 0x80) {
        at += Ascii_Run(in + at, size - at);
        continue;
      }
      if (b >= 0xC2 && b <= 0xDF && at + 1 < size && Is_Utf8_Continuation(in[at + 1])) {
        at += 2;
        continue;
      }
      const size_t length = Read_Utf8(bytes, at).Length;
      if (!length) return false;
      at += length;
    }
  }
  return true;
}

File_Encoding Recognize_File_Encoding(std::string_view bytes) {
  File_Encoding found = File_Encoding::Win;
  if (Starts_With(bytes, kUtf16LeMark, 2)) {
    if (bytes.size() % 2 == 0) found = File_Encoding::Utf16_Le;
  } else if (Starts_With(bytes, kUtf16BeMark, 2)) {
    if (bytes.size() % 2 == 0) found = File_Encoding::Utf16_Be;
  } else if (Starts_With(bytes, kUtf8Mark, 3)) {
    if (Is_Valid_Utf8(bytes.substr(3))) found = File_Encoding::Utf8_Bom;
  } else {
    const bool beyond_ascii =
        Ascii_Run(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()) < bytes.size();
    if (beyond_ascii && Is_Valid_Utf8(bytes)) found = File_Encoding::Utf8;
  }
  if (found != File_Encoding::Win && Decodes_To_Nul(bytes, found)) return File_Encoding::Win;
  return found;
}

std::wstring Decode_File_Text(const std::string& bytes, File_Encoding encoding) {
  if (Is_8_Bit_Encoding(encoding)) return Decode_Page_Text(bytes, encoding);
  std::wstring text;
  const size_t start = Mark_Size(encoding);
  if (encoding == File_Encoding::Utf16_Le || encoding == File_Encoding::Utf16_Be) {
    const bool little = encoding == File_Encoding::Utf16_Le;
    text.reserve(bytes.size() / 2);
    for (size_t at = start; at + 1 < bytes.size(); at += 2) {
      const auto a = static_cast<unsigned char>(bytes[at]), b = static_cast<unsigned char>(bytes[at + 1]);
      text += wchar_t(little ? a | (b << 8) : (a << 8) | b);
    }
    if ((bytes.size() - start) % 2) text += wchar_t(0xFFFD);
    return text;
  }
  // A byte never makes more than one unit, so the text is sized once and
  // cut to what was written.
  text.resize(bytes.size() - std::min(start, bytes.size()));
  const wchar_t* end =
      Decode_Utf8_Units(std::string_view(bytes).substr(std::min(start, bytes.size())), text.data());
  text.resize(size_t(end - text.data()));
  return text;
}

wchar_t* Decode_Utf8_Units(std::string_view bytes, wchar_t* out) {
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  const size_t size = bytes.size();
  for (size_t at = 0; at < size;) {
    const unsigned b = in[at];
    if (b < 0x80) {
      const size_t ascii = Ascii_Run(in + at, size - at);
      for (size_t k = 0; k < ascii; ++k) out[k] = wchar_t(in[at + k]);
      out += ascii;
      at += ascii;
      continue;
    }
    // Two-byte sequences, which every Cyrillic letter is, without the general path.
    if (b >= 0xC2 && b <= 0xDF && at + 1 < size && Is_Utf8_Continuation(in[at + 1])) {
      *out++ = wchar_t(((b & 0x1F) << 6) | (in[at + 1] & 0x3F));
      at += 2;
      continue;
    }
    const Utf8_Sequence s = Read_Utf8(bytes, at);
    if (s.Length) {
      out = Put_Utf16(out, s.Code_Point);
      at += s.Length;
    } else {
      *out++ = wchar_t(0xFFFD);
      ++at;
    }
  }
  return out;
}

std::string Encode_File_Text(const std::wstring& text, File_Encoding encoding) {
  if (Is_8_Bit_Encoding(encoding)) return Encode_Page_Text(text, encoding);
  std::string bytes;
  if (encoding == File_Encoding::Utf16_Le || encoding == File_Encoding::Utf16_Be) {
    const bool little = encoding == File_Encoding::Utf16_Le;
    bytes.reserve(2 + text.size() * 2);
    bytes.append(little ? kUtf16LeMark : kUtf16BeMark, 2);
    for (const wchar_t c : text) {
      const auto u = uint32_t(c) & 0xFFFF;
      bytes += char(little ? u & 0xFF : u >> 8);
      bytes += char(little ? u >> 8 : u & 0xFF);
    }
    return bytes;
  }
  // A unit never takes more than three bytes (a pair takes four for two),
  // so the bytes are sized once and cut to what was written.
  const size_t mark = encoding == File_Encoding::Utf8_Bom ? 3 : 0;
  bytes.resize(mark + text.size() * 3);
  if (mark) bytes.replace(0, 3, kUtf8Mark, 3);
  char* out = bytes.data() + mark;
  for (size_t i = 0; i < text.size(); ++i) {
    uint32_t cp = uint32_t(text[i]) & 0xFFFF;
    if (cp < 0x80) {
      *out++ = char(cp);
      continue;
    }
    if (cp < 0x800) {
      *out++ = char(0xC0 | (cp >> 6));
      *out++ = char(0x80 | (cp & 0x3F));
      continue;
    }
    if (Is_High_Surrogate(cp) && i + 1 < text.size() && Is_Low_Surrogate(uint32_t(text[i + 1]) & 0xFFFF)) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + ((uint32_t(text[i + 1]) & 0xFFFF) - 0xDC00);
      ++i;
    } else if (Is_High_Surrogate(cp) || Is_Low_Surrogate(cp)) {
      cp = 0xFFFD;
    }
    out = Put_Utf8(out, cp);
  }
  bytes.resize(size_t(out - bytes.data()));
  return bytes;
}

Characters_Outside Characters_Outside_Win1251(const std::wstring& text, wchar_t nul_symbol) {
  Characters_Outside outside;
  const std::string bytes = Utf16_To_Win1251(text);
  for (size_t i = 0; i < text.size(); ++i) {
    if (bytes[i] != '?' || text[i] == L'?' || text[i] == nul_symbol) continue;
    const bool pair = Is_High_Surrogate(uint32_t(text[i])) && i + 1 < text.size() &&
                      Is_Low_Surrogate(uint32_t(text[i + 1]));
    if (!outside.Count++) outside.First = Encode_File_Text(text.substr(i, pair ? 2 : 1), File_Encoding::Utf8);
    if (pair) ++i;
  }
  return outside;
}
