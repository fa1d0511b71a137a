#include "text/page_detector.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

#include "text/code_page_charts.h"
#include "text/russian_bigrams.h"

namespace {

constexpr int Signs = Russian_Sign_Classes * 3;  // a class and its case

// The sign one character is, as the statistics were counted: its class,
// plus Russian_Sign_Classes for a small letter or twice that for a capital.
int Sign_Of(char32_t code) {
  if (code < 0x80) {
    if (code >= '0' && code <= '9') return Russian_Digit_Class;
    if ((code | 0x20) >= 'a' && (code | 0x20) <= 'z') return Russian_Latin_Class;
    const bool space = code == ' ' || (code >= '\t' && code <= '\r') || (code >= 0x1C && code <= 0x1F);
    return space ? 0 : Russian_Punctuation_Class;
  }
  if (code == 0x0451) code = 0x0435;  // ё counts as е
  if (code == 0x0401) code = 0x0415;
  if (code >= 0x0430 && code <= 0x044F) return static_cast<int>(code - 0x0430 + 1) + Russian_Sign_Classes;
  if (code >= 0x0410 && code <= 0x042F) return static_cast<int>(code - 0x0410 + 1) + 2 * Russian_Sign_Classes;
  for (int i = 0; Russian_Typographic_Signs[i] != 0; ++i)
    if (Russian_Typographic_Signs[i] == code) return Russian_First_Typographic_Class + i;
  return Russian_Odd_Class;
}

bool Is_Letter(int sign) { return sign >= Russian_Sign_Classes; }

struct Model {
  std::array<std::array<std::uint8_t, 256>, Codepage_Count> sign_of_byte;
  std::array<std::int32_t, Signs * Signs> pair_score;
  // differs[p][q][b]: pages p and q read byte b as different characters.
  std::array<std::array<std::array<bool, 256>, Codepage_Count>, Codepage_Count> differs;
};

Model Make_Model() {
  Model model{};
  for (int p = 0; p < Codepage_Count; ++p)
    for (int b = 0; b < 256; ++b)
      model.sign_of_byte[p][b] = static_cast<std::uint8_t>(
          Sign_Of(Page_Char(static_cast<Codepage>(p), static_cast<std::uint8_t>(b))));
  for (int a = 0; a < Signs; ++a)
    for (int c = 0; c < Signs; ++c)
      model.pair_score[a * Signs + c] =
          Russian_Pair_Score[a % Russian_Sign_Classes][c % Russian_Sign_Classes] +
          Russian_Case_Score[a / Russian_Sign_Classes][c / Russian_Sign_Classes];
  for (int p = 0; p < Codepage_Count; ++p)
    for (int q = 0; q < Codepage_Count; ++q)
      for (int b = 0; b < 256; ++b)
        model.differs[p][q][b] = Page_Char(static_cast<Codepage>(p), static_cast<std::uint8_t>(b)) !=
                                 Page_Char(static_cast<Codepage>(q), static_cast<std::uint8_t>(b));
  return model;
}

const Model& The_Model() {
  static const Model model = Make_Model();
  return model;
}

bool Is_Continuation(char c) { return (static_cast<std::uint8_t>(c) & 0xC0) == 0x80; }

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

// The stretches joined by line ends, without the UTF-8 pieces their cut
// edges leave behind.
std::string Sample_Of(const std::vector<std::string_view>& stretches) {
  if (stretches.size() == 1) return std::string(stretches[0]);
  std::string sample;
  for (const std::string_view stretch : stretches) {
    sample.append(Whole_Slice(stretch));
    sample.push_back('\n');
  }
  return sample;
}

struct Utf8_Reading {
  bool valid = true;
  std::size_t multi_byte = 0;
  std::size_t cyrillic = 0;
};

Utf8_Reading Read_As_Utf8(std::string_view text) {
  Utf8_Reading reading;
  std::size_t at = 0;
  while (at < text.size()) {
    if (static_cast<std::uint8_t>(text[at]) < 0x80) {
      ++at;
      continue;
    }
    const long code = Decode_Utf8(text, &at);
    if (code < 0) {
      reading.valid = false;
      return reading;
    }
    ++reading.multi_byte;
    reading.cyrillic += code >= 0x0400 && code <= 0x04FF;
  }
  return reading;
}

struct Page_Reading {
  std::int64_t score = 0;
  std::size_t letters = 0;
};

Page_Reading Read_As(std::string_view text, int page) {
  const Model& model = The_Model();
  const auto& sign_of_byte = model.sign_of_byte[page];
  Page_Reading reading;
  int previous = 0;
  for (const char c : text) {
    const int sign = sign_of_byte[static_cast<std::uint8_t>(c)];
    reading.score += model.pair_score[previous * Signs + sign];
    reading.letters += Is_Letter(sign);
    previous = sign;
  }
  reading.score += model.pair_score[previous * Signs];  // the text ends as if a gap followed
  return reading;
}

bool Same_Reading(std::string_view text, int p, int q) {
  const auto& differs = The_Model().differs[p][q];
  for (const char c : text)
    if (differs[static_cast<std::uint8_t>(c)]) return false;
  return true;
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

// Ties go to the page met most often; MAC and WIN tie on small letters.
constexpr int Preference[Codepage_Count] = {Page_WIN, Page_KOI, Page_DOS, Page_MAC, Page_ISO};

Page_Guess Best_Eight_Bit_Reading(std::string_view text) {
  std::array<Page_Reading, Codepage_Count> readings;
  for (int p = 0; p < Codepage_Count; ++p) readings[p] = Read_As(text, p);
  int best = Preference[0];
  for (const int p : Preference)
    if (readings[p].score > readings[best].score) best = p;
  if (readings[best].letters == 0) return {};
  double total = 0, same = 0;
  for (int p = 0; p < Codepage_Count; ++p) {
    const double share = std::exp((readings[p].score - readings[best].score) / Russian_Score_Scale);
    total += share;
    if (p == best || (share > 1e-9 && Same_Reading(text, best, p))) same += share;
  }
  return {best, same / total};
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

Page_Guess Detect_Page(std::string_view bytes) {
  std::vector<std::string_view> stretches;
  for (const Byte_Range& range : Detect_Sample_Ranges(bytes.size()))
    stretches.push_back(bytes.substr(range.start, range.size));
  return Detect_Page_Of_Sample(stretches);
}

Page_Guess Detect_Page_Of_Sample(const std::vector<std::string_view>& stretches) {
  const std::string sample = Sample_Of(stretches);
  if (!Has_High_Byte(sample) || Looks_Binary(sample)) return {};
  const Utf8_Reading utf8 = Read_As_Utf8(sample);
  // Eight-bit Russian text passes for UTF-8 only by a run of coincidences,
  // each of them rarer than one in ten.
  if (utf8.valid && utf8.cyrillic > 0)
    return {Page_UTF8, 1.0 - std::pow(0.1, static_cast<double>(utf8.multi_byte))};
  if (utf8.valid) return {};  // UTF-8 of other scripts: not Russian
  return Best_Eight_Bit_Reading(sample);
}
