#pragma once
// How like Russian, Ukrainian or Belarusian a text runs, by the letter
// statistics of text/letter_bigrams.h: a text read in the right page scores
// far above the same bytes read in a wrong one, and text garbled by a wrong
// reading far below the text it was.
#include <cstddef>
#include <cstdint>
#include <string_view>

// How far the scores of the letter model overstate the odds between two
// readings, for its pairs overlap: odds are taken as the score difference
// divided by this. Chosen on one part of the held-out text as the scale whose
// confidences tell best which answers are right, and checked on the other
// (tools/bench/detect_bench.py prints both). With what rests on slight
// evidence and what no language reads set apart, the odds hold as they are.
constexpr double Model_Overconfidence = 1.0;

enum Language : int { Language_Russian, Language_Ukrainian, Language_Belarusian, Language_Count };

struct Text_Score {
  std::int64_t score = 0;                // in eighths of a natural logarithm; the higher the likelier
  Language language = Language_Russian;  // the language that scores it highest
  std::size_t letters = 0;
  // Signs of no language, or signs no word holds, between two letters: a
  // reading that puts a box, a foreign sign or a quote mark inside words is
  // not the text's own.
  std::size_t odd_in_words = 0;
  // Steps into or out of a letter, and those of them in stretches whose
  // letters follow one another as the language never has them.
  std::size_t letter_steps = 0;
  std::size_t disordered_steps = 0;
  std::size_t amid_latin = 0;  // letters beside a Latin letter
};

// The bytes read in one of the 8-bit pages (text/code_page_charts.h).
Text_Score Score_Page_Reading(std::string_view bytes, int page);
// A text of UTF-8; a byte that is no UTF-8 counts as a sign of no language.
Text_Score Score_Utf8_Text(std::string_view utf8);

// Whether pages p and q read every byte of the text as the same character.
bool Same_Reading(std::string_view bytes, int p, int q);

// Whether the letters of a reading follow one another as in its language:
// text in a page not read here (Greek, Polish, French ...) reads as letters
// in an order no language has them, or as letters amid Latin ones, and text
// in two pages at once reads so over its part in the other page.
bool Letters_Follow_The_Language(const Text_Score& score);

// Whether two texts of UTF-8 differ only in letters that stand alone, as in
// a table of letters, or in the letters that start sentences, as a capital Я
// and a small я: how a language uses its one-letter words and its capitals
// is slight evidence, and such readings cannot be told apart with any
// confidence.
bool Differ_Only_Slightly(std::string_view a, std::string_view b);
