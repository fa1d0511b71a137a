#include "platform/intake_source.h"

#include <algorithm>
#include <array>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "common/control_text.h"
#include "common/page_encoding.h"
#include "platform/intake_pieces.h"

namespace {

using Page_Units = std::array<wchar_t, 256>;

// The control's unit for each byte of an 8-bit page; a NUL byte becomes the
// NUL sign, which the control can hold.
Page_Units Units_Of(File_Encoding page) {
  const auto& half = Upper_Half_Of(page);
  Page_Units units{};
  for (std::size_t b = 0; b < units.size(); ++b) units[b] = b < 0x80 ? wchar_t(b) : wchar_t(half[b - 0x80]);
  units[0] = kNulSymbol;
  return units;
}

// Appends the control's units for bytes of an 8-bit page, line ends made CR
// in the same step. A CR at the end of the bytes before, told by `after_cr`,
// takes the LF that may open these.
void Append_Page(std::string_view bytes, const Page_Units& units, bool& after_cr, std::wstring& out) {
  const std::size_t old = out.size();
  out.resize(old + bytes.size());  // never more units than bytes
  wchar_t* write = out.data() + old;
  std::size_t i = after_cr && !bytes.empty() && bytes[0] == '\n' ? 1 : 0;
  for (; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b == '\n') {
      *write++ = L'\r';
    } else {
      *write++ = units[b];
      if (b == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    }
  }
  if (!bytes.empty()) after_cr = bytes.back() == '\r';
  out.resize(std::size_t(write - out.data()));
}

// The same for UTF-8 bytes that end with a whole sequence: decoded first,
// then the line ends made CR where they stand.
void Append_Utf8(std::string_view bytes, bool& after_cr, std::wstring& out) {
  const std::size_t old = out.size();
  out.resize(old + bytes.size());
  wchar_t* const start = out.data() + old;
  const wchar_t* const end = Decode_Utf8_Units(bytes, start);
  // Read before the line ends are made CR where they stand.
  const bool ends_with_cr = end > start && end[-1] == L'\r';
  wchar_t* write = start;
  const wchar_t* read = start;
  if (after_cr && read < end && *read == L'\n') ++read;
  for (; read < end; ++read) {
    if (*read == L'\n') {
      *write++ = L'\r';
    } else {
      *write++ = *read;
      if (*read == L'\r' && read + 1 < end && read[1] == L'\n') ++read;
    }
  }
  if (end > start) after_cr = ends_with_cr;
  out.resize(std::size_t(write - out.data()));
}

class Wide_Source : public Intake_Source {
 public:
  explicit Wide_Source(std::wstring text) : text_(std::move(text)), longest_(Longest_Unbroken_Run(text_)) {}
  std::size_t Size() const override { return text_.size(); }
  std::size_t Longest_Run() const override { return longest_; }
  void Next(std::size_t wanted, std::wstring& piece) override {
    const std::size_t end = Piece_End(text_, at_, wanted);
    piece.assign(text_, at_, end - at_);
    at_ = end;
  }

 private:
  std::wstring text_;
  std::size_t longest_;
  std::size_t at_ = 0;
};

// What one pass over a file's bytes tells before any piece: the length in
// the control's units, once CR LF is one, and the longest run. Every byte is
// a unit but the LF of a CR LF; in UTF-8 a continuation byte is none and a
// four-byte lead two (a surrogate pair).
struct File_Measure {
  std::size_t units = 0;
  std::size_t longest = 0;
};

#if defined(__SSE2__)
unsigned Mask_Of(__m128i block, char c) {
  return unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(c))));
}
#endif

// It reads the whole file before the first screen, so it goes sixteen bytes a step.
File_Measure Measure(std::string_view bytes, bool utf8) {
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  const std::size_t size = bytes.size();
  std::size_t units = 0, pairs = 0, longest = 0;
  std::size_t run = 0;  // the run that ends where the pass stands, in units
  bool after_cr = false;
  std::size_t i = 0;
#if defined(__SSE2__)
  for (; i + 16 <= size; i += 16) {
    const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
    const unsigned cr = Mask_Of(block, '\r'), lf = Mask_Of(block, '\n');
    const unsigned breaks = cr | lf | Mask_Of(block, ' ') | Mask_Of(block, '\t');
    unsigned leads = 0xFFFF, fours = 0;
    if (utf8) {
      // As signed bytes, continuations are below -64 and four-byte leads above -17.
      leads &= ~unsigned(_mm_movemask_epi8(_mm_cmplt_epi8(block, _mm_set1_epi8(-64))));
      fours = unsigned(_mm_movemask_epi8(_mm_and_si128(_mm_cmpgt_epi8(block, _mm_set1_epi8(-17)),
                                                       _mm_cmplt_epi8(block, _mm_setzero_si128()))));
    }
    const auto weight = [leads, fours](unsigned mask) {
      return std::size_t(__builtin_popcount(leads & mask) + __builtin_popcount(fours & mask));
    };
    units += weight(0xFFFF);
    pairs += unsigned(__builtin_popcount(lf & (cr << 1 | unsigned(after_cr))));
    after_cr = cr >> 15 != 0;
    if (breaks == 0) {
      run += weight(0xFFFF);
      continue;
    }
    int last = __builtin_ctz(breaks);
    longest = std::max(longest, run + weight((1u << last) - 1));
    // Runs between two breaks of one block are shorter than 15 units: they
    // matter only while nothing longer has been seen.
    if (longest < 15) {
      for (unsigned rest = breaks & (breaks - 1); rest; rest &= rest - 1) {
        const int next = __builtin_ctz(rest);
        longest = std::max(longest, weight(((1u << next) - 1) & ~((2u << last) - 1)));
        last = next;
      }
    }
    last = 31 - __builtin_clz(breaks);
    run = weight(0xFFFF & ~((2u << last) - 1));
  }
#endif
  for (; i < size; ++i) {
    const auto b = in[i];
    const std::size_t weight = utf8 ? std::size_t((b & 0xC0) != 0x80) + (b >= 0xF0) : 1;
    units += weight;
    pairs += b == '\n' && after_cr;
    after_cr = b == '\r';
    if (b == ' ' || b == '\t' || b == '\r' || b == '\n') {
      longest = std::max(longest, run);
      run = 0;
    } else {
      run += weight;
    }
  }
  return {units - pairs, std::max(longest, run)};
}

class File_Source : public Intake_Source {
 public:
  File_Source(Shared_File_Bytes bytes, File_Encoding encoding, std::size_t start)
      : bytes_(std::move(bytes)), utf8_(!Is_8_Bit_Encoding(encoding)), at_(start) {
    if (!utf8_) units_ = Units_Of(encoding);
    measure_ = Measure(bytes_->View().substr(start), utf8_);
  }
  std::size_t Size() const override { return measure_.units; }
  std::size_t Longest_Run() const override { return measure_.longest; }

  void Next(std::size_t wanted, std::wstring& piece) override {
    const std::string_view all = bytes_->View();
    wanted = std::max<std::size_t>(wanted, 1);
    // A unit beyond the piece lets Piece_End look for where to end it.
    while (pending_.size() <= wanted && at_ < all.size()) {
      std::size_t end = at_ + std::min(all.size() - at_, wanted + 1 - pending_.size());
      // A UTF-8 sequence is decoded whole.
      while (utf8_ && end < all.size() && (static_cast<unsigned char>(all[end]) & 0xC0) == 0x80) ++end;
      const std::string_view bytes = all.substr(at_, end - at_);
      if (utf8_)
        Append_Utf8(bytes, after_cr_, pending_);
      else
        Append_Page(bytes, units_, after_cr_, pending_);
      at_ = end;
    }
    const std::size_t end = Piece_End(pending_, 0, wanted);
    piece.assign(pending_, 0, end);
    pending_.erase(0, end);
  }

 private:
  Shared_File_Bytes bytes_;
  bool utf8_;
  Page_Units units_{};  // an 8-bit page's
  std::size_t at_;      // the next byte to convert
  File_Measure measure_;
  bool after_cr_ = false;
  std::wstring pending_;  // converted, not yet handed out
};

// Where the text of a file in `encoding` starts: behind a byte-order mark.
std::size_t Text_Start(std::string_view bytes, File_Encoding encoding) {
  return encoding == File_Encoding::Utf8_Bom ? std::min<std::size_t>(3, bytes.size()) : 0;
}

}  // namespace

std::unique_ptr<Intake_Source> Wide_Intake_Source(std::wstring text) {
  return std::make_unique<Wide_Source>(std::move(text));
}

bool Intake_Reads_Encoding(File_Encoding encoding) {
  return Is_8_Bit_Encoding(encoding) || encoding == File_Encoding::Utf8 ||
         encoding == File_Encoding::Utf8_Bom;
}

std::unique_ptr<Intake_Source> File_Intake_Source(Shared_File_Bytes bytes, File_Encoding encoding) {
  const std::size_t start = Text_Start(bytes->View(), encoding);
  return std::make_unique<File_Source>(std::move(bytes), encoding, start);
}

std::wstring File_To_Control_Text(std::string_view bytes, File_Encoding encoding) {
  std::wstring text;
  bool after_cr = false;
  bytes.remove_prefix(Text_Start(bytes, encoding));
  if (Is_8_Bit_Encoding(encoding))
    Append_Page(bytes, Units_Of(encoding), after_cr, text);
  else
    Append_Utf8(bytes, after_cr, text);
  return text;
}
