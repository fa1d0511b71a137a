#include "common/utf8.h"
#include "text/page_detector.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "text/letter_bigrams.h"
#include "text/letter_model.h"

namespace {

bool Is_Continuation(char c) { return Is_Utf8_Continuation(static_cast<unsigned char>(c)); }

// A slice without the UTF-8 pieces its cut edges leave behind.
std::string_view Whole_Slice(std::string_view slice) {
  std::size_t start = 0;
  while (start < 3 && start < slice.size() && Is_Continuation(slice[start])) ++start;
  slice.remove_prefix(start);
  std::size_t lead = slice.size();
  while (lead > 0 && slice.size() - lead < 4 && Is_Continuation(slice[lead - 1])) --lead;
  if (lead > 0 && static_cast<std::uint8_t>(slice[lead - 1]) >= 0xC0) slice = slice.substr(0, lead - 1);
  return slice;
}

constexpr std::size_t Least_Utf8_Word = 3;

struct Utf8_Reading {
  std::size_t invalid = 0;  // bytes that are no UTF-8
  std::size_t multi_byte = 0;
  std::size_t cyrillic = 0;
  std::size_t letters = 0;       // of Russian, Ukrainian and Belarusian: U+0400..U+045F
  std::size_t longest_word = 0;  // the most such letters in a row
};

Utf8_Reading Read_As_Utf8(std::string_view text) {
  Utf8_Reading reading;
  std::size_t at = 0, word = 0;
  while (at < text.size()) {
    if (static_cast<std::uint8_t>(text[at]) < 0x80) {
      ++at;
      word = 0;
      continue;
    }
    const long code = Decode_Utf8(text, &at);
    const bool letter = code >= 0x0400 && code <= 0x045F;
    word = letter ? word + 1 : 0;
    reading.longest_word = std::max(reading.longest_word, word);
    if (code < 0) {
      ++reading.invalid;
      continue;
    }
    ++reading.multi_byte;
    reading.cyrillic += code >= 0x0400 && code <= 0x04FF;
    reading.letters += letter;
  }
  return reading;
}

// Text holds few control characters beyond line ends and tabs, and no NUL;
// binary data and UTF-16 hold many.
bool Looks_Binary(std::string_view text) {
  std::size_t controls = 0;
  for (const char c : text) {
    const auto b = static_cast<std::uint8_t>(c);
    if (b == 0) return true;
    controls += b < 0x20 && b != '\t' && b != '\n' && b != '\r' && b != '\f' && b != 0x1A;
  }
  return controls * 100 > text.size();
}

bool Has_High_Byte(std::string_view text) {
  for (const char c : text)
    if (static_cast<std::uint8_t>(c) >= 0x80) return true;
  return false;
}

// UTF-16 without a mark: text of Latin or Cyrillic letters has a zero or
// 0x04 byte in every unit, always on the same side.
Page_Guess Utf16_Without_Mark(std::string_view text) {
  std::size_t high[2] = {0, 0};
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<std::uint8_t>(text[i]);
    high[i % 2] += b == 0 || b == 4;
  }
  const std::size_t units = text.size() / 2;
  for (int side = 0; side < 2; ++side)
    if (units >= 2 && high[side] * 10 >= units * 9 && high[1 - side] * 10 <= units)
      return {side == 1 ? Page_UTF16LE : Page_UTF16BE, 0.99};
  return {};
}

// Ties go to the page met most often; MAC and WIN tie on small letters, KOI
// and KOI8-U on Russian text, DOS and CP1125 on almost all of it.
constexpr int Preference[Chart_Count] = {Page_WIN, Page_KOI,   Page_DOS,    Page_MAC,
                                         Page_ISO, Page_KOI8U, Page_CP1125, Page_IBM855};

bool Starts_Sentence(std::string_view text, std::size_t at) {
  while (at > 0) {
    const char c = text[--at];
    if (c == ' ' || c == '\t' || c == '"' || c == '(' || c == '\'' || c == '-') continue;
    return c == '\n' || c == '\r' || c == '.' || c == '!' || c == '?' || c == ':';
  }
  return true;
}

// WIN text whose only capitals start its sentences reads in MAC as small
// letters and dashes (Я as я, С as —), which score as well; WIN is by far
// the likelier page of the two.
bool Mac_Only_By_Capitals_At_Start(std::string_view text) {
  bool any = false;
  for (std::size_t at = 0; at < text.size(); ++at) {
    const auto b = static_cast<std::uint8_t>(text[at]);
    if (Page_Char(Page_MAC, b) == Page_Char(Page_WIN, b)) continue;
    if (b < 0xC0 || b > 0xDF || !Starts_Sentence(text, at)) return false;
    any = true;
  }
  return any;
}

std::string Reading(std::string_view text, int page) {
  return Convert_Exact(text, static_cast<Text_Page>(page), Page_UTF8).text;
}

Page_Guess Best_Eight_Bit_Reading(std::string_view text, double overconfidence) {
  std::array<Text_Score, Chart_Count> readings;
  for (int p = 0; p < Chart_Count; ++p) readings[p] = Score_Page_Reading(text, p);
  int best = Preference[0];
  for (const int p : Preference)
    if (readings[p].score > readings[best].score) best = p;
  // A reading that still breaks words is of a page not read here: more than
  // one word in two hundred letters, which a slip of the pen does not make.
  if (readings[best].letters == 0 || readings[best].odd_in_words * 200 > readings[best].letters) return {};
  if (!Letters_Follow_The_Language(readings[best])) return {};
  const std::int64_t top = readings[best].score;
  // WIN text whose only capitals start its sentences: MAC's reading, which
  // outscores WIN's by those capitals alone, counts as WIN's, and the answer
  // rests on slight evidence.
  const bool capitals_at_start = best == Page_MAC && Mac_Only_By_Capitals_At_Start(text);
  if (capitals_at_start) best = Page_WIN;
  double total = 0, same = 0, rival_share = 0;
  int rival = best;
  for (int p = 0; p < Chart_Count; ++p) {
    const double share =
        std::exp(static_cast<double>(readings[p].score - top) / (Score_Scale * overconfidence));
    total += share;
    if (p == best || (capitals_at_start && p == Page_MAC) || (share > 1e-9 && Same_Reading(text, best, p))) {
      same += share;
    } else if (share > rival_share) {
      rival = p;
      rival_share = share;
    }
  }
  double confidence = same / total;
  if (capitals_at_start || (rival != best && Differ_Only_Slightly(Reading(text, best), Reading(text, rival))))
    confidence = std::fmin(confidence, Slight_Evidence_Confidence);
  if (confidence < Least_Confidence) return {};
  return {best, confidence};
}

}  // namespace

std::vector<Byte_Range> Detect_Sample_Ranges(std::size_t size) {
  if (size <= Detect_Sample_Bytes) return {{0, size}};
  constexpr std::size_t Slices = 16;
  constexpr std::size_t Slice = Detect_Sample_Bytes / Slices;
  std::vector<Byte_Range> ranges;
  for (std::size_t i = 0; i < Slices; ++i) ranges.push_back({(size - Slice) / (Slices - 1) * i, Slice});
  return ranges;
}

std::string Sample_Of(const std::vector<std::string_view>& stretches) {
  if (stretches.size() == 1) return std::string(stretches[0]);
  std::string sample;
  for (const std::string_view stretch : stretches) {
    sample.append(Whole_Slice(stretch));
    sample.push_back('\n');
  }
  return sample;
}

Page_Guess Detect_Page(std::string_view bytes) {
  std::vector<std::string_view> stretches;
  for (const Byte_Range& range : Detect_Sample_Ranges(bytes.size()))
    stretches.push_back(bytes.substr(range.start, range.size));
  return Detect_Page_Of_Sample(stretches);
}

Page_Guess Detect_Page_Of_Sample(const std::vector<std::string_view>& stretches, double overconfidence) {
  const std::string_view start = stretches.empty() ? std::string_view() : stretches[0];
  if (start.substr(0, 3) == "\xEF\xBB\xBF") return {Page_UTF8, 1.0, Read_As_Utf8(start).invalid > 0};
  if (start.substr(0, 2) == "\xFF\xFE") return {Page_UTF16LE, 1.0};
  if (start.substr(0, 2) == "\xFE\xFF") return {Page_UTF16BE, 1.0};
  const std::string sample = Sample_Of(stretches);
  if (sample.find('\0') != std::string::npos) return Utf16_Without_Mark(sample);
  if (!Has_High_Byte(sample) || Looks_Binary(sample)) return {};
  const Utf8_Reading utf8 = Read_As_Utf8(sample);
  // Eight-bit text passes for UTF-8 only by a run of coincidences, each of
  // them rarer than one in ten; it has far more bytes that are no UTF-8 than
  // sequences that are.
  const double utf8_confidence = 1.0 - std::pow(0.1, static_cast<double>(utf8.multi_byte));
  if (utf8.invalid == 0 && utf8.cyrillic > 0) return {Page_UTF8, utf8_confidence};
  if (utf8.invalid == 0) return {};  // UTF-8 of other scripts: not these languages
  // UTF-8 with errors: most of what is UTF-8 is letters, and the errors are
  // fewer, or no more than a long word of another page amid a little UTF-8
  // makes, which then holds a word of its own. An 8-bit text forms a UTF-8
  // letter by chance far more rarely than once in eight of its bytes, and
  // hardly ever two in a row. IBM855 puts letters where UTF-8 has its lead
  // and following bytes, but reads as rare Cyrillic signs among them.
  const bool few_errors = utf8.invalid <= utf8.multi_byte ||
                          (utf8.invalid <= utf8.letters * 8 && utf8.longest_word >= Least_Utf8_Word);
  if (utf8.letters >= 2 && few_errors && utf8.letters * 4 >= utf8.multi_byte * 3)
    return {Page_UTF8, utf8_confidence, true};
  return Best_Eight_Bit_Reading(sample, overconfidence);
}
