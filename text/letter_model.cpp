#include "text/letter_model.h"

#include <array>
#include <memory>
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
  // differs[p][q][b]: pages p and q read byte b as different characters.
  std::array<std::array<std::array<bool, 256>, Chart_Count>, Chart_Count> differs;
};

void Fill_Scores(Pair_Scores& scores, const std::int8_t (*pairs)[Sign_Classes],
                 const std::int8_t (*cases)[3]) {
  for (int a = 0; a < Signs; ++a)
    for (int c = 0; c < Signs; ++c)
      scores[a * Signs + c] = static_cast<std::int16_t>(pairs[a % Sign_Classes][c % Sign_Classes] +
                                                        cases[a / Sign_Classes][c / Sign_Classes]);
}

std::unique_ptr<Model> Make_Model() {
  auto model = std::make_unique<Model>();
  for (int p = 0; p < Chart_Count; ++p)
    for (int b = 0; b < 256; ++b)
      model->sign_of_byte[p][b] =
          static_cast<std::uint8_t>(Sign_Of(Page_Char(p, static_cast<std::uint8_t>(b))));
  Fill_Scores(model->pair_score[Language_Russian], Russian_Pair_Score, Russian_Case_Score);
  Fill_Scores(model->pair_score[Language_Ukrainian], Ukrainian_Pair_Score, Ukrainian_Case_Score);
  Fill_Scores(model->pair_score[Language_Belarusian], Belarusian_Pair_Score, Belarusian_Case_Score);
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
    previous_ = sign;
  }
  Text_Score Result() {
    Add(0);  // the text ends as if a gap followed
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
    return result;
  }

 private:
  std::int64_t scores_[Language_Count] = {};
  std::size_t letters_ = 0, odd_in_words_ = 0;
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
