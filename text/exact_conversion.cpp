#include "common/utf8.h"
#include "text/exact_conversion.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <cstdint>
#include <vector>

#include "text/byte_map.h"
#include "text/code_page_charts.h"

namespace {

const char* const Page_Names[Text_Page_Count] = {"DOS",   "ISO",      "KOI",      "MAC",
                                                 "WIN",   "KOI8-U",   "CP1125",   "IBM855",
                                                 "UTF-8", "UTF-16LE", "UTF-16BE", "UTF-16"};

// The names people give the pages besides the tool's own.
struct Page_Alias {
  const char* name;
  Text_Page page;
};
constexpr Page_Alias Page_Aliases[] = {
    {"CP866", Page_DOS},        {"IBM866", Page_DOS},      {"866", Page_DOS},
    {"ISO-8859-5", Page_ISO},   {"ISO8859-5", Page_ISO},   {"KOI8-R", Page_KOI},
    {"KOI8R", Page_KOI},        {"MacCyrillic", Page_MAC}, {"x-mac-cyrillic", Page_MAC},
    {"Mac-Cyrillic", Page_MAC}, {"CP1251", Page_WIN},      {"windows-1251", Page_WIN},
    {"1251", Page_WIN},         {"KOI8U", Page_KOI8U},     {"IBM1125", Page_CP1125},
    {"RUSCII", Page_CP1125},    {"CP855", Page_IBM855},    {"UTF8", Page_UTF8},
    {"UTF16LE", Page_UTF16LE},  {"UTF16BE", Page_UTF16BE}, {"UTF16", Page_UTF16},
};

// Code points U+0000..U+25FF hold every sign of the five charts.
constexpr char32_t Dense_Limit = 0x2600;

// How many bytes at the end of piece start a UTF-8 sequence that goes on
// beyond it.
std::size_t Cut_Sequence(std::string_view piece) {
  for (std::size_t k = 1; k <= 3 && k <= piece.size(); ++k) {
    const auto b = static_cast<std::uint8_t>(piece[piece.size() - k]);
    if (b < 0x80) return 0;
    if (b < 0xC0) continue;
    const std::size_t length = b >= 0xF0 ? 4 : b >= 0xE0 ? 3 : 2;
    return length > k ? k : 0;
  }
  return 0;
}

void Note_Missing(Exact_Conversion& report, char32_t code, std::size_t at) {
  if (report.missing++ == 0) {
    report.first_missing = code;
    report.first_missing_at = at;
  }
}

void Note_Invalid(Exact_Conversion& report, std::size_t at) {
  if (report.invalid++ == 0) report.first_invalid_at = at;
}

char Lower_Ascii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool Same_Name(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Lower_Ascii(a[i]) != Lower_Ascii(b[i])) return false;
  return true;
}

}  // namespace

const char* Text_Page_Name(Text_Page page) { return Page_Names[page]; }

bool Parse_Text_Page(std::string_view name, Text_Page* page) {
  for (int p = 0; p < Text_Page_Count; ++p) {
    if (Same_Name(name, Page_Names[p])) {
      *page = static_cast<Text_Page>(p);
      return true;
    }
  }
  for (const Page_Alias& alias : Page_Aliases) {
    if (Same_Name(name, alias.name)) {
      *page = alias.page;
      return true;
    }
  }
  return false;
}

Exact_Conversion Convert_Exact(std::string_view text, Text_Page from, Text_Page to, char replacement) {
  Exact_Converter converter(from, to, replacement);
  std::string out;
  converter.Convert(text, &out);
  converter.Finish(&out);
  Exact_Conversion result = converter.Report();
  result.text = std::move(out);
  return result;
}

Exact_Converter::Exact_Converter(Text_Page from, Text_Page to, char replacement)
    : from_(from), to_(to), replacement_(replacement) {
  if (Is_Eight_Bit_Page(from) && Is_Eight_Bit_Page(to)) {
    for (int b = 0; b < 256; ++b) {
      const int target = Page_Byte(to, Page_Char(from, static_cast<std::uint8_t>(b)));
      lacking_[b] = target < 0;
      lacks_any_ |= target < 0;
      map_[b] = static_cast<std::uint8_t>(target < 0 ? replacement : target);
    }
  } else if (Is_Eight_Bit_Page(from) && to == Page_UTF8) {
    for (int b = 0; b < 256; ++b) {
      std::string form;
      Append_Utf8(form, Page_Char(from, static_cast<std::uint8_t>(b)));
      forms_[b][3] = static_cast<char>(form.size());
      form.copy(forms_[b].data(), form.size());
      if (b < 0x80) continue;
      const bool two = form.size() == 2;
      page_forms_.lead[b - 0x80] = two ? static_cast<std::uint8_t>(form[0]) : 0xFF;
      page_forms_.cont[b - 0x80] = two ? static_cast<std::uint8_t>(form[1]) : 0;
    }
  } else if (Is_Eight_Bit_Page(to)) {
    reverse_.resize(Dense_Limit);
    for (char32_t code = 0; code < Dense_Limit; ++code)
      reverse_[code] = static_cast<std::int16_t>(Page_Byte(to, code));
    for (int key = 0; key < 128; ++key) {
      const int code = key < 0x60 ? 0x400 + key : 0xA0 + key - 0x60;
      keys_.byte[key] = static_cast<std::uint8_t>(std::max<int>(reverse_[code], 0));
    }
  }
}

void Exact_Converter::Convert(std::string_view piece, std::string* out) {
  if (Is_Utf16_Page(from_) || Is_Utf16_Page(to_)) {
    Through_Code_Points(piece, out);
    return;
  }
  if (from_ != Page_UTF8) {
    Convert_Whole(piece, out);
    return;
  }
  // A waiting sequence takes what it needs of this piece first.
  std::string joined;
  if (!pending_.empty()) {
    joined = pending_ + std::string(piece);
    piece = joined;
  }
  const std::size_t whole = piece.size() - Cut_Sequence(piece);
  Convert_Whole(piece.substr(0, whole), out);
  pending_.assign(piece.substr(whole));
}

void Exact_Converter::Finish(std::string* out) {
  const std::string rest = std::move(pending_);
  pending_.clear();
  if (Is_Utf16_Page(from_) || Is_Utf16_Page(to_)) {
    // What still waits is half a character: a byte, or a surrogate unpaired.
    if (high_surrogate_ != 0) {
      Note_Invalid(report_, high_surrogate_at_);
      Put_Code_Point(static_cast<std::uint8_t>(replacement_), high_surrogate_at_, out);
      high_surrogate_ = 0;
    }
    for (std::size_t k = 0; k < rest.size(); ++k) {
      Note_Invalid(report_, offset_ + k);
      if (!Is_Utf16_Page(from_) || k == 0)
        Put_Code_Point(static_cast<std::uint8_t>(replacement_), offset_ + k, out);
    }
    offset_ += rest.size();
    return;
  }
  Convert_Whole(rest, out);
}

void Exact_Converter::Convert_Whole(std::string_view text, std::string* out) {
  if (from_ == Page_UTF8)
    From_Utf8(text, out);
  else if (to_ == Page_UTF8)
    Page_To_Utf8(text, out);
  else
    Page_To_Page(text, out);
  offset_ += text.size();
}

// The results are built in chunks that stay in the first-level cache and are
// then appended: sizing the result first would fill it with zeros in vain.
constexpr std::size_t Chunk = 8192;

void Exact_Converter::Page_To_Page(std::string_view text, std::string* out) {
  std::uint8_t chunk[Chunk];
  const auto* in = reinterpret_cast<const std::uint8_t*>(text.data());
  for (std::size_t done = 0; done < text.size(); done += Chunk) {
    const std::size_t count = std::min(Chunk, text.size() - done);
    Map_Byte_Run(in + done, chunk, count, map_);
    // A lacking byte became the replacement, so only where the replacement
    // stands need the source be looked at; memchr finds it fast.
    const auto* end = chunk + count;
    for (const std::uint8_t* hit = chunk; lacks_any_ && hit < end; ++hit) {
      hit = static_cast<const std::uint8_t*>(
          std::memchr(hit, replacement_, static_cast<std::size_t>(end - hit)));
      if (hit == nullptr) break;
      const std::size_t i = done + static_cast<std::size_t>(hit - chunk);
      if (lacking_[in[i]]) Note_Missing(report_, Page_Char(from_, in[i]), offset_ + i);
    }
    out->append(reinterpret_cast<const char*>(chunk), count);
  }
}

void Exact_Converter::Page_To_Utf8(std::string_view text, std::string* out) {
  // Russian text takes at most two bytes a character: room for that is taken
  // once, so the chunks are appended without the string growing again.
  out->reserve(out->size() + text.size() * 2);
  std::uint8_t chunk[Chunk * 3 + 4];  // a form is stored whole, four bytes, however long it is
  const auto* in = reinterpret_cast<const std::uint8_t*>(text.data());
  const std::size_t block = kernel_ == Utf8_Kernel::Scalar ? Chunk : 1;
  for (std::size_t done = 0; done < text.size(); done += Chunk) {
    const std::size_t count = std::min(Chunk, text.size() - done);
    const std::uint8_t* const chunk_in = in + done;
    std::uint8_t* write = chunk;
    for (std::size_t at = 0; at < count;) {
      const Kernel_Run run = Page_To_Utf8_Blocks(kernel_, chunk_in + at, count - at, write, page_forms_);
      at += run.read;
      write += run.written;
      // The byte the kernel stopped at, whose form is longer.
      for (const std::size_t stop = std::min(count, at + block); at < stop; ++at) {
        const auto& form = forms_[chunk_in[at]];
        std::memcpy(write, form.data(), 4);
        write += form[3];
      }
    }
    out->append(reinterpret_cast<const char*>(chunk), static_cast<std::size_t>(write - chunk));
  }
}

namespace {

// A word as its bytes stand in memory, the first one lowest.
template <typename Word>
Word Little_Endian(Word word) {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
  Word swapped = 0;
  for (std::size_t k = 0; k < sizeof word; ++k) swapped = swapped << 8 | (word >> (8 * k) & 0xFF);
  return swapped;
#else
  return word;
#endif
}

// How many of the first `size` bytes at `in` are ASCII, looked at eight at a time.
std::size_t Ascii_Prefix(const std::uint8_t* in, std::size_t size) {
  std::size_t at = 0;
  for (; at + 8 <= size; at += 8) {
    std::uint64_t word;
    std::memcpy(&word, in + at, 8);
    if (word & 0x8080808080808080ull) break;
  }
  while (at < size && in[at] < 0x80) ++at;
  return at;
}

}  // namespace

void Exact_Converter::From_Utf8(std::string_view text, std::string* out) {
  // A page's text is never longer than the UTF-8 it comes from.
  if (to_ != Page_UTF8) out->reserve(out->size() + text.size());
  char chunk[Chunk + 4];
  std::size_t filled = 0;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  const std::size_t size = text.size();
  std::size_t at = 0;
  // The kernel stops at a character it cannot take, which this loop takes
  // before the kernel is tried again.
  const bool kernel = kernel_ != Utf8_Kernel::Scalar && to_ != Page_UTF8;
  std::size_t careful_until = 0;
  while (at < size) {
    if (filled >= Chunk) {
      out->append(chunk, filled);
      filled = 0;
    }
    if (kernel && at >= careful_until) {
      const Kernel_Run run = Utf8_To_Page_Blocks(kernel_, bytes + at, std::min(Chunk - filled, size - at),
                                                 reinterpret_cast<std::uint8_t*>(chunk + filled), keys_);
      at += run.read;
      filled += run.written;
      careful_until = at + 1;
      continue;
    }
    const std::size_t start = at;
    const std::uint8_t lead = bytes[at];
    if (lead < 0x80) {
      // ASCII is the same in every page: a run of it goes over as it is.
      const std::size_t run = Ascii_Prefix(bytes + at, std::min(Chunk - filled, size - at));
      std::memcpy(chunk + filled, bytes + at, run);
      filled += run;
      at += run;
      continue;
    }
    long code;
    // Two-byte sequences, which every Cyrillic letter is, without the general
    // path, and what follows them for as long as the chunk has room.
    if (lead >= 0xC2 && lead < 0xE0 && at + 1 < size && Is_Utf8_Continuation(bytes[at + 1])) {
      code = (lead & 0x1F) << 6 | (bytes[at + 1] & 0x3F);
      at += 2;
      if (const int b = reverse_.empty() ? -1 : reverse_[code]; b >= 0) {
        chunk[filled++] = static_cast<char>(b);
        // Words are letters between single spaces and signs: those stay in
        // this loop too.
        while (filled < Chunk && at < size && (!kernel || at < careful_until)) {
          // Two Cyrillic letters (lead D0 or D1 each) at once while the word lasts.
          if (at + 4 <= size && filled + 2 <= Chunk) {
            std::uint32_t four;
            std::memcpy(&four, bytes + at, 4);
            four = Little_Endian(four);
            if ((four & 0xC0FEC0FEu) == 0x80D080D0u) {
              const int first = reverse_[0x400 | (four & 1) << 6 | (four >> 8 & 0x3F)];
              const int second = reverse_[0x400 | (four >> 16 & 1) << 6 | (four >> 24 & 0x3F)];
              if ((first | second) >= 0) {
                chunk[filled] = static_cast<char>(first);
                chunk[filled + 1] = static_cast<char>(second);
                filled += 2;
                at += 4;
                continue;
              }
            }
          }
          const std::uint8_t next_lead = bytes[at];
          if (next_lead < 0x80) {
            chunk[filled++] = static_cast<char>(next_lead);
            ++at;
            continue;
          }
          if (next_lead < 0xC2 || next_lead >= 0xE0 || at + 1 >= size || !Is_Utf8_Continuation(bytes[at + 1]))
            break;
          const int next = reverse_[(next_lead & 0x1F) << 6 | (bytes[at + 1] & 0x3F)];
          if (next < 0) break;
          chunk[filled++] = static_cast<char>(next);
          at += 2;
        }
        continue;
      }
    } else {
      code = Decode_Utf8(text, &at);
    }
    if (code < 0) {
      Note_Invalid(report_, offset_ + start);
      chunk[filled++] = replacement_;
    } else if (to_ == Page_UTF8) {
      out->append(chunk, filled);
      filled = 0;
      out->append(text.substr(start, at - start));
    } else if (const int b = code < static_cast<long>(Dense_Limit) ? reverse_[code] : -1; b >= 0) {
      chunk[filled++] = static_cast<char>(b);
    } else {
      Note_Missing(report_, static_cast<char32_t>(code), offset_ + start);
      chunk[filled++] = replacement_;
    }
  }
  out->append(chunk, filled);
}

namespace {

// Which order a UTF-16 text without a mark is in: ASCII and Cyrillic have
// their zero (or 0x04) byte high, so those bytes stand at odd places in
// little-endian text.
bool Looks_Little_Endian(std::string_view bytes) {
  std::size_t even = 0, odd = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<std::uint8_t>(bytes[i]);
    if (b == 0 || b == 4) ++(i % 2 ? odd : even);
  }
  return odd >= even;
}

}  // namespace

void Exact_Converter::Through_Code_Points(std::string_view piece, std::string* out) {
  std::string joined;
  if (!pending_.empty()) {
    joined = pending_ + std::string(piece);
    piece = joined;
    pending_.clear();
  }
  std::size_t at = 0;
  if (Is_Eight_Bit_Page(from_)) {
    for (; at < piece.size(); ++at)
      Put_Code_Point(Page_Char(from_, static_cast<std::uint8_t>(piece[at])), offset_ + at, out);
  } else if (from_ == Page_UTF8) {
    const std::size_t whole = piece.size() - Cut_Sequence(piece);
    while (at < whole) {
      const std::size_t start = at;
      const long code = Decode_Utf8(piece.substr(0, whole), &at);
      if (code < 0) Note_Invalid(report_, offset_ + start);
      Put_Code_Point(code < 0 ? static_cast<std::uint8_t>(replacement_) : static_cast<char32_t>(code),
                     offset_ + start, out);
    }
  } else {
    if (!source_started_ && piece.size() >= 2) {
      source_started_ = true;
      const std::string_view mark = piece.substr(0, 2);
      const bool little_mark = mark == "\xFF\xFE", big_mark = mark == "\xFE\xFF";
      little_endian_ = from_ == Page_UTF16LE ||
                       (from_ == Page_UTF16 && (little_mark || (!big_mark && Looks_Little_Endian(piece))));
      if ((little_mark && little_endian_) || (big_mark && !little_endian_)) at = 2;
    }
    for (; source_started_ && at + 2 <= piece.size(); at += 2) {
      const auto first = static_cast<std::uint8_t>(piece[at]),
                 second = static_cast<std::uint8_t>(piece[at + 1]);
      const char32_t unit = little_endian_ ? first | second << 8 : first << 8 | second;
      if (high_surrogate_ != 0 && unit >= 0xDC00 && unit < 0xE000) {
        Put_Code_Point(0x10000 + ((high_surrogate_ - 0xD800) << 10) + (unit - 0xDC00), high_surrogate_at_,
                       out);
        high_surrogate_ = 0;
        continue;
      }
      if (high_surrogate_ != 0) {  // a high surrogate without its pair
        Note_Invalid(report_, high_surrogate_at_);
        Put_Code_Point(static_cast<std::uint8_t>(replacement_), high_surrogate_at_, out);
        high_surrogate_ = 0;
      }
      if (unit >= 0xD800 && unit < 0xDC00) {
        high_surrogate_ = unit;
        high_surrogate_at_ = offset_ + at;
      } else if (unit >= 0xDC00 && unit < 0xE000) {
        Note_Invalid(report_, offset_ + at);
        Put_Code_Point(static_cast<std::uint8_t>(replacement_), offset_ + at, out);
      } else {
        Put_Code_Point(unit, offset_ + at, out);
      }
    }
  }
  pending_.assign(piece.substr(at));
  offset_ += at;
}

void Exact_Converter::Put_Code_Point(char32_t code, std::size_t at, std::string* out) {
  if (Is_Eight_Bit_Page(to_)) {
    const int b = code < Dense_Limit ? reverse_[code] : -1;
    if (b < 0) Note_Missing(report_, code, at);
    out->push_back(b < 0 ? replacement_ : static_cast<char>(b));
  } else if (to_ == Page_UTF8) {
    Append_Utf8(*out, code);
  } else {
    if (to_ == Page_UTF16 && !target_started_) out->append("\xFF\xFE");
    target_started_ = true;
    const bool little = to_ != Page_UTF16BE;
    const auto unit = [out, little](char32_t u) {
      out->push_back(static_cast<char>(little ? u & 0xFF : u >> 8));
      out->push_back(static_cast<char>(little ? u >> 8 : u & 0xFF));
    };
    if (code < 0x10000) {
      unit(code);
    } else {
      unit(0xD800 + ((code - 0x10000) >> 10));
      unit(0xDC00 + ((code - 0x10000) & 0x3FF));
    }
  }
}

long Decode_Utf8(std::string_view text, std::size_t* at) {
  const Utf8_Sequence sequence = Read_Utf8(text, *at);
  *at += sequence.Length ? sequence.Length : 1;
  return sequence.Length ? long(sequence.Code_Point) : -1;
}

void Append_Utf8(std::string& out, char32_t code) {
  if (code < 0x80) {
    out.push_back(static_cast<char>(code));
  } else if (code < 0x800) {
    out.push_back(static_cast<char>(0xC0 | code >> 6));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else if (code < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | code >> 12));
    out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | code >> 18));
    out.push_back(static_cast<char>(0x80 | (code >> 12 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code >> 6 & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (code & 0x3F)));
  }
}
