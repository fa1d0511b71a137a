#include "common/file_survey.h"

#include "common/utf8.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr char kUtf8Mark[] = "\xEF\xBB\xBF";

bool Starts_With(std::string_view bytes, std::string_view mark) {
  return bytes.substr(0, mark.size()) == mark;
}

// The longest run without a break so far, and the run that ends where the
// pass stands, in units.
struct Run {
  std::size_t run = 0, longest = 0;
  std::size_t Longest() const { return std::max(longest, run); }
};

#if defined(__SSE2__)
unsigned Mask_Of(__m128i block, char c) {
  return unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(c))));
}

// A block of sixteen bytes whose breaks (space, tab, CR, LF) stand at the
// bits of `breaks`; `weight` gives the units of the bytes of a mask.
template <typename Weight>
void Track(Run& r, unsigned breaks, Weight weight) {
  if (breaks == 0) {
    r.run += weight(0xFFFF);
    return;
  }
  int last = __builtin_ctz(breaks);
  r.longest = std::max(r.longest, r.run + weight((1u << last) - 1));
  // Runs between two breaks of one block are shorter than 15 units: they
  // matter only while nothing longer has been seen.
  if (r.longest < 15) {
    for (unsigned rest = breaks & (breaks - 1); rest; rest &= rest - 1) {
      const int next = __builtin_ctz(rest);
      r.longest = std::max(r.longest, weight(((1u << next) - 1) & ~((2u << last) - 1)));
      last = next;
    }
  }
  last = 31 - __builtin_clz(breaks);
  r.run = weight(0xFFFF & ~((2u << last) - 1));
}
#endif

// Every byte is a unit of an 8-bit page; in UTF-8 a continuation byte is
// none and a four-byte lead two (a surrogate pair). The LF of a CR LF is no
// unit in either once line ends are folded.
class Measure {
 public:
  void Add(const unsigned char* in, std::size_t size) {
    std::size_t i = 0;
#if defined(__SSE2__)
    std::size_t cr_count = 0, lf_count = 0, pairs = 0;
    bool after_cr = ends_.After_Cr();
    for (; i + 16 <= size; i += 16) {
      const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
      const unsigned cr = Mask_Of(block, '\r'), lf = Mask_Of(block, '\n');
      const unsigned breaks = cr | lf | Mask_Of(block, ' ') | Mask_Of(block, '\t');
      const auto high = unsigned(_mm_movemask_epi8(block));
      nul_ |= Mask_Of(block, '\0') != 0;
      beyond_ascii_ |= high != 0;
      // As signed bytes, continuations are below -64 and four-byte leads above -17.
      const unsigned leads = 0xFFFF & ~unsigned(_mm_movemask_epi8(_mm_cmplt_epi8(block, _mm_set1_epi8(-64))));
      const unsigned fours = high & unsigned(_mm_movemask_epi8(_mm_cmpgt_epi8(block, _mm_set1_epi8(-17))));
      const auto utf8 = [leads, fours](unsigned mask) {
        return std::size_t(__builtin_popcount(leads & mask) + __builtin_popcount(fours & mask));
      };
      const auto page = [](unsigned mask) { return std::size_t(__builtin_popcount(mask)); };
      page_units_ += 16;
      utf8_units_ += utf8(0xFFFF);
      cr_count += unsigned(__builtin_popcount(cr));
      lf_count += unsigned(__builtin_popcount(lf));
      pairs += unsigned(__builtin_popcount(lf & (cr << 1 | unsigned(after_cr))));
      after_cr = cr >> 15 != 0;
      Track(page_, breaks, page);
      Track(utf8_, breaks, utf8);
    }
    ends_.Add_Counted(cr_count, lf_count, pairs, after_cr);
#endif
    ends_.Add(reinterpret_cast<const char*>(in + i), size - i);
    for (; i < size; ++i) {
      const auto b = in[i];
      const std::size_t weight = Starts_Utf8_Code_Point(b) ? Utf16_Units_Of_Lead(b) : 0;
      nul_ |= b == 0;
      beyond_ascii_ |= b >= 0x80;
      page_units_ += 1;
      utf8_units_ += weight;
      if (b == ' ' || b == '\t' || b == '\r' || b == '\n') {
        page_.longest = std::max(page_.longest, page_.run);
        utf8_.longest = std::max(utf8_.longest, utf8_.run);
        page_.run = utf8_.run = 0;
      } else {
        page_.run += 1;
        utf8_.run += weight;
      }
    }
  }

  void Put_Into(File_Survey& survey) const {
    survey.Holds_Nul = nul_;
    survey.Ends = ends_.Count();
    survey.Page_Units = page_units_ - survey.Ends.Cr_Lf;
    survey.Utf8_Units = utf8_units_ - survey.Ends.Cr_Lf;
    survey.Page_Longest_Run = page_.Longest();
    survey.Utf8_Longest_Run = utf8_.Longest();
  }
  bool Beyond_Ascii() const { return beyond_ascii_; }

 private:
  std::size_t page_units_ = 0, utf8_units_ = 0;
  Run page_, utf8_;
  Line_End_Counter ends_;
  bool nul_ = false, beyond_ascii_ = false;
};

// A block is small enough to stay in the cache between the UTF-8 check and
// the measure.
constexpr std::size_t kBlockBytes = std::size_t(64) << 10;

// One pass over the text: measured, and checked as UTF-8 while it may be.
// A block ends before a byte that opens a sequence, so that every block of
// valid UTF-8 is valid on its own.
Measure Pass_Over(std::string_view text, bool& valid_utf8) {
  Measure measure;
  const auto* in = reinterpret_cast<const unsigned char*>(text.data());
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = std::min(text.size(), at + kBlockBytes);
    if (valid_utf8) {
      for (int k = 0; k < 3 && end < text.size() && Is_Utf8_Continuation(in[end]); ++k) ++end;
      valid_utf8 = Is_Valid_Utf8(text.substr(at, end - at));
    }
    measure.Add(in + at, end - at);
    at = end;
  }
  return measure;
}

bool Is_Utf16(File_Encoding encoding) {
  return encoding == File_Encoding::Utf16_Le || encoding == File_Encoding::Utf16_Be;
}

}  // namespace

File_Survey Survey_File(std::string_view bytes) {
  File_Survey survey;
  // A UTF-16 file is decoded whole before it goes in, and counted then.
  if (Starts_With(bytes, "\xFF\xFE") || Starts_With(bytes, "\xFE\xFF")) {
    survey.Encoding = Recognize_File_Encoding(bytes);
    if (Is_Utf16(survey.Encoding)) return survey;
  }
  const bool mark = Starts_With(bytes, kUtf8Mark);
  bool valid = true;
  const Measure measure = Pass_Over(bytes.substr(mark ? 3 : 0), valid);
  measure.Put_Into(survey);
  if (valid && (mark || measure.Beyond_Ascii()) && !survey.Holds_Nul) {
    survey.Encoding = mark ? File_Encoding::Utf8_Bom : File_Encoding::Utf8;
    return survey;
  }
  survey.Encoding = File_Encoding::Win;
  // A mark with no UTF-8 behind it is three characters of a WIN text.
  if (mark) {
    valid = false;
    Pass_Over(bytes, valid).Put_Into(survey);
  }
  return survey;
}

File_Survey Survey_As_Page(std::string_view bytes) {
  File_Survey survey;
  bool valid = false;
  Pass_Over(bytes, valid).Put_Into(survey);
  return survey;
}

std::size_t Text_Start(std::string_view bytes, File_Encoding encoding) {
  return encoding == File_Encoding::Utf8_Bom ? std::min<std::size_t>(3, bytes.size()) : 0;
}
