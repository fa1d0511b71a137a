#include "text/letter_model.h"

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "text/code_page_charts.h"
#include "text/exact_conversion.h"
#include "text/letter_bigrams.h"

namespace {

constexpr int Signs = Sign_Classes * 3;  // a class and its case

// The sign one character is, as the statistics were counted: its class,
// plus Sign_Classes for a small letter or twice that for a capital.
int Sign_Of(char32_t code) {
  if (code < 0x80) {
    if (code >= '0' && code <= '9') return Digit_Class;
    if ((code | 0x20) >= 'a' && (code | 0x20) <= 'z') return Latin_Class;
    const bool space = code == ' ' || (code >= '\t' && code <= '\r') || (code >= 0x1C && code <= 0x1F);
    return space ? 0 : Punctuation_Class;
  }
  if (code == 0x0451) code = 0x0435;  // ё counts as е
  if (code == 0x0401) code = 0x0415;
  if (code >= 0x0430 && code <= 0x044F) return static_cast<int>(code - 0x0430 + 1) + Sign_Classes;
  if (code >= 0x0410 && code <= 0x042F) return static_cast<int>(code - 0x0410 + 1) + 2 * Sign_Classes;
  for (int i = 0; i < Extra_Letter_Count; ++i) {
    if (Extra_Letters[i] == code) return First_Extra_Letter_Class + i + Sign_Classes;
    if (Extra_Capitals[i] == code) return First_Extra_Letter_Class + i + 2 * Sign_Classes;
  }
  for (int i = 0; Typographic_Signs[i] != 0; ++i)
    if (Typographic_Signs[i] == code) return First_Typographic_Class + i;
  return Odd_Class;
}

bool Is_Letter(int sign) { return sign >= Sign_Classes; }

// Letter steps are judged in blocks of this many: long enough that text of a
// language hardly ever falls below Least_Step_Mean over one, short enough
// that a part in another page fills whole blocks of its own.
constexpr std::size_t Letter_Block = 256;
// What a letter step scores on average over a block, in natural logarithms,
// with Spare_Score to spare for short ones: text read in its own page gives
// -2.6, and names and capitals -3.6 (-4.5 over ten steps); a wrong page
// gives -5 and less, Greek read in a Cyrillic page -5.2, letters amid Latin
// ones -8. The case counts only where a capital follows a small letter.
constexpr double Least_Step_Mean = -4.0;
constexpr double Spare_Score = 6.0;
// A slip of the pen, a quoted scrap of garbled text or a table of letters
// may fill a block or two, never one step in sixteen of the text.
constexpr std::size_t Most_Disordered_Share = 16;
// Letters beside Latin ones are a Latin script's own letters read in a
// Cyrillic page; a Latin look-alike typed for a Cyrillic letter makes a few,
// never one letter in four.
constexpr std::size_t Most_Amid_Latin_Share = 4;

// A sign that has no place between two letters of a word: one of no
// language, or a typographic sign other than the no-break space, the
// apostrophes and the dashes.
bool Breaks_Words(int sign) {
  if (sign == Odd_Class) return true;
  if (sign < First_Typographic_Class || sign >= Odd_Class) return false;
  const char16_t c = Typographic_Signs[sign - First_Typographic_Class];
  return c != u'\u00a0' && c != u'\u2018' && c != u'\u2019' && c != u'\u02bc' && c != u'\u2013' &&
         c != u'\u2014';
}

using Pair_Scores = std::array<std::int16_t, Signs * Signs>;

struct Model {
  std::array<std::array<std::uint8_t, 256>, Chart_Count> sign_of_byte;
  std::array<Pair_Scores, Language_Count> pair_score;
  // How the letters follow one another, which the case has little to do with.
  std::array<Pair_Scores, Language_Count> order_score;
  // differs[p][q][b]: pages p and q read byte b as different characters.
  std::array<std::array<std::array<bool, 256>, Chart_Count>, Chart_Count> differs;
};

void Fill_Scores(Model& model, Language language, const std::int8_t (*pairs)[Sign_Classes],
                 const std::int8_t (*cases)[3]) {
  for (int a = 0; a < Signs; ++a) {
    for (int c = 0; c < Signs; ++c) {
      const int pair = pairs[a % Sign_Classes][c % Sign_Classes];
      model.pair_score[language][a * Signs + c] =
          static_cast<std::int16_t>(pair + cases[a / Sign_Classes][c / Sign_Classes]);
      // A capital after a small letter is a sign of a wrong page inside words;
      // other cases tell more of how a text is set than of its letters.
      const bool capital_inside = a / Sign_Classes == 1 && c / Sign_Classes == 2;
      model.order_score[language][a * Signs + c] =
          static_cast<std::int16_t>(pair + (capital_inside ? cases[1][2] : 0));
    }
  }
}

std::unique_ptr<Model> Make_Model() {
  auto model = std::make_unique<Model>();
  for (int p = 0; p < Chart_Count; ++p)
    for (int b = 0; b < 256; ++b)
      model->sign_of_byte[p][b] =
          static_cast<std::uint8_t>(Sign_Of(Page_Char(p, static_cast<std::uint8_t>(b))));
  Fill_Scores(*model, Language_Russian, Russian_Pair_Score, Russian_Case_Score);
  Fill_Scores(*model, Language_Ukrainian, Ukrainian_Pair_Score, Ukrainian_Case_Score);
  Fill_Scores(*model, Language_Belarusian, Belarusian_Pair_Score, Belarusian_Case_Score);
  for (int p = 0; p < Chart_Count; ++p)
    for (int q = 0; q < Chart_Count; ++q)
      for (int b = 0; b < 256; ++b)
        model->differs[p][q][b] =
            Page_Char(p, static_cast<std::uint8_t>(b)) != Page_Char(q, static_cast<std::uint8_t>(b));
  return model;
}

const Model& The_Model() {
  static const std::unique_ptr<Model> model = Make_Model();
  return *model;
}

// Scores a run of signs in every language at once.
class Sign_Scorer {
 public:
  void Add(int sign) {
    const Model& model = The_Model();
    for (int l = 0; l < Language_Count; ++l) scores_[l] += model.pair_score[l][previous_ * Signs + sign];
    letters_ += Is_Letter(sign);
    // The last sign breaks a word, between two letters.
    odd_in_words_ += Is_Letter(sign) && Breaks_Words(previous_) && before_previous_letter_;
    before_previous_letter_ = Is_Letter(previous_);
    if (Is_Letter(sign) || Is_Letter(previous_)) Add_Letter_Step(model, sign);
    // Each letter beside a Latin one counts once.
    const bool amid_latin = Is_Letter(sign) && previous_ == Latin_Class;
    amid_latin_ += amid_latin || (sign == Latin_Class && Is_Letter(previous_) && !previous_amid_latin_);
    previous_amid_latin_ = amid_latin;
    previous_ = sign;
  }
  Text_Score Result() {
    Add(0);  // the text ends as if a gap followed
    if (block_steps_ > 0) End_Block();
    Text_Score result;
    result.score = scores_[0];
    for (int l = 1; l < Language_Count; ++l) {
      if (scores_[l] > result.score) {
        result.score = scores_[l];
        result.language = static_cast<Language>(l);
      }
    }
    result.letters = letters_;
    result.odd_in_words = odd_in_words_;
    result.letter_steps = letter_steps_;
    result.disordered_steps = disordered_steps_[result.language];
    result.amid_latin = amid_latin_;
    return result;
  }

 private:
  void Add_Letter_Step(const Model& model, int sign) {
    for (int l = 0; l < Language_Count; ++l)
      block_score_[l] += model.order_score[l][previous_ * Signs + sign];
    ++letter_steps_;
    if (++block_steps_ == Letter_Block) End_Block();
  }
  void End_Block() {
    const double least = (Least_Step_Mean * static_cast<double>(block_steps_) - Spare_Score) * Score_Scale;
    for (int l = 0; l < Language_Count; ++l) {
      if (static_cast<double>(block_score_[l]) < least) disordered_steps_[l] += block_steps_;
      block_score_[l] = 0;
    }
    block_steps_ = 0;
  }

  std::int64_t scores_[Language_Count] = {};
  std::size_t letters_ = 0, odd_in_words_ = 0, amid_latin_ = 0;
  bool previous_amid_latin_ = false;
  std::int64_t block_score_[Language_Count] = {};
  std::size_t letter_steps_ = 0, block_steps_ = 0, disordered_steps_[Language_Count] = {};
  int previous_ = 0;
  bool before_previous_letter_ = false;
};

}  // namespace

Text_Score Score_Page_Reading(std::string_view bytes, int page) {
  const auto& sign_of_byte = The_Model().sign_of_byte[page];
  Sign_Scorer scorer;
  for (const char c : bytes) scorer.Add(sign_of_byte[static_cast<std::uint8_t>(c)]);
  return scorer.Result();
}

Text_Score Score_Utf8_Text(std::string_view utf8) {
  Sign_Scorer scorer;
  for (std::size_t at = 0; at < utf8.size();) {
    const long code = Decode_Utf8(utf8, &at);
    scorer.Add(code < 0 ? Odd_Class : Sign_Of(static_cast<char32_t>(code)));
  }
  return scorer.Result();
}

bool Same_Reading(std::string_view bytes, int p, int q) {
  const auto& differs = The_Model().differs[p][q];
  for (const char c : bytes)
    if (differs[static_cast<std::uint8_t>(c)]) return false;
  return true;
}

bool Letters_Follow_The_Language(const Text_Score& score) {
  return score.disordered_steps * Most_Disordered_Share <= score.letter_steps &&
         score.amid_latin * Most_Amid_Latin_Share <= score.letters;
}

namespace {

std::u32string Code_Points(std::string_view utf8) {
  std::u32string codes;
  for (std::size_t at = 0; at < utf8.size();) codes.push_back(static_cast<char32_t>(Decode_Utf8(utf8, &at)));
  return codes;
}

bool Is_Word_Letter(const std::u32string& text, std::size_t at) {
  if (at >= text.size()) return false;
  const char32_t c = text[at];
  return (c >= 0x0400 && c <= 0x04FF) || ((c | 0x20) >= 'a' && (c | 0x20) <= 'z');
}

bool Lone_Letter(const std::u32string& text, std::size_t at) {
  return !(at > 0 && Is_Word_Letter(text, at - 1)) && !Is_Word_Letter(text, at + 1);
}

bool Starts_Sentence(const std::u32string& text, std::size_t at) {
  while (at > 0) {
    const char32_t c = text[--at];
    if (c == ' ' || c == '\t' || c == '"' || c == '(' || c == '\'' || c == '-') continue;
    return c == '\n' || c == '\r' || c == '.' || c == '!' || c == '?' || c == ':';
  }
  return true;
}

}  // namespace

bool Differ_Only_Slightly(std::string_view a, std::string_view b) {
  const std::u32string p = Code_Points(a), q = Code_Points(b);
  if (p.size() != q.size()) return false;
  for (std::size_t at = 0; at < p.size(); ++at) {
    if (p[at] == q[at]) continue;
    const bool lone = Lone_Letter(p, at) && Lone_Letter(q, at);
    const bool starts = Is_Word_Letter(p, at) && Is_Word_Letter(q, at) && Starts_Sentence(p, at);
    if (!lone && !starts) return false;
  }
  return true;
}
