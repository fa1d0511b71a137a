#pragma once
// How like Russian, Ukrainian or Belarusian a text runs, by the letter
// statistics of text/letter_bigrams.h: a text read in the right page scores
// far above the same bytes read in a wrong one, and text garbled by a wrong
// reading far below the text it was.
#include <cstddef>
#include <cstdint>
#include <string_view>

// How far the scores of the letter model overstate the odds between two
// readings, for its pairs are not independent: odds are taken as the score
// difference divided by this. Measured on held-out text so that hardly any
// answer at 0.9 and above is wrong (tools/bench/detect_bench.py).
constexpr double Model_Overconfidence = 4.0;

enum Language : int { Language_Russian, Language_Ukrainian, Language_Belarusian, Language_Count };

struct Text_Score {
  std::int64_t score = 0;                // in eighths of a natural logarithm; the higher the likelier
  Language language = Language_Russian;  // the language that scores it highest
  std::size_t letters = 0;
  // Signs of no language, or signs no word holds, between two letters: a
  // reading that puts a box, a foreign sign or a quote mark inside words is
  // not the text's own.
  std::size_t odd_in_words = 0;
};

// The bytes read in one of the 8-bit pages (text/code_page_charts.h).
Text_Score Score_Page_Reading(std::string_view bytes, int page);
// A text of UTF-8; a byte that is no UTF-8 counts as a sign of no language.
Text_Score Score_Utf8_Text(std::string_view utf8);

// Whether pages p and q read every byte of the text as the same character.
bool Same_Reading(std::string_view bytes, int p, int q);
