#pragma once
// Text garbled by wrong readings and saved again: UTF-8 read as WIN and saved
// as UTF-8 ("РџСЂРёРІРµС‚"), KOI read as WIN and saved as UTF-8, and the
// same twice over. Each wrong reading is undone by writing the text back in
// the page it was wrongly read in and reading those bytes in the right one.
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "text/exact_conversion.h"
#include "text/letter_model.h"

struct Wrong_Reading {
  Text_Page written = Page_UTF8;  // what the bytes were
  Text_Page read_as = Page_WIN;   // what they were taken for
};

struct Reading_Chain {
  // The wrong readings as they happened, the first one first.
  std::vector<Wrong_Reading> readings;
  std::string text;  // the text they garbled, as UTF-8
  // How sure, as the detector's confidence: the share the chosen readings
  // take of the others that were tried. Below Least_Confidence
  // (text/page_detector.h) the text is garbled, but how cannot be told.
  double confidence = 1;
};

// At most this many wrong readings are undone.
constexpr std::size_t Most_Wrong_Readings = 2;

// The wrong readings that made this text (UTF-8) out of a likelier one, none
// when no reading back makes it clearly likelier: text that is not garbled
// is left alone. overconfidence is the letter model's, but for the benchmark
// that fits it.
std::optional<Reading_Chain> Find_Reading_Chain(std::string_view utf8,
                                                double overconfidence = Model_Overconfidence);

// "UTF-8 via WIN"; the older reading first: "UTF-8 via WIN via WIN" is UTF-8
// read as WIN, saved as UTF-8 and read as WIN again. A page the text was saved
// in between other than UTF-8 is named: "KOI via WIN as DOS via WIN".
std::string Chain_Name(const std::vector<Wrong_Reading>& readings);

// Undoes the readings, the last one first, over a text of `stored` given
// piece by piece, and writes it in `to`. The conversions may lack characters
// that the sample the chain was found on did not hold: those are reported as
// usual, the offsets counted in the bytes each conversion read.
class Readings_Undoer {
 public:
  Readings_Undoer(Text_Page stored, const std::vector<Wrong_Reading>& readings, Text_Page to);
  void Convert(std::string_view piece, std::string* out);
  void Finish(std::string* out);
  Exact_Conversion Report() const;

 private:
  void Pass(std::size_t from, std::string_view piece, bool finish, std::string* out);

  std::vector<Exact_Converter> steps_;
};

Exact_Conversion Undo_Readings(std::string_view bytes, Text_Page stored,
                               const std::vector<Wrong_Reading>& readings, Text_Page to);
