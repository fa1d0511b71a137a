#pragma once
// Which code page a text of Russian, Ukrainian or Belarusian was written in,
// from the bytes alone: each page's reading of the bytes is scored by how the
// languages run (text/letter_model.h), and the likeliest reading wins.
#include <cstddef>
#include <string_view>
#include <vector>

#include "text/exact_conversion.h"
#include "text/letter_model.h"

constexpr int Page_Unknown = -1;

// An answer less sure than this is none: the text cannot be told, and every
// path that names a page (lirovant-text's detect, convert and repair, the
// editor's recognition) says so or leaves the text as it is.
constexpr double Least_Confidence = 0.5;
// The most an answer is trusted that rests on slight evidence alone: on
// one-letter words, or on capitals that start sentences.
constexpr double Slight_Evidence_Confidence = 0.75;

struct Page_Guess {
  int page = Page_Unknown;  // a Text_Page, or Page_Unknown
  // How sure: the share the winning reading takes of all readings, counting
  // the pages that read these bytes as the very same text as one.
  // tools/bench/detect_bench.py prints how often each band is right.
  double confidence = 0;
  // UTF-8 but for a few bytes that are no UTF-8: never an 8-bit page.
  bool utf8_errors = false;
};

// Texts without a byte above 0x7F, binary data, UTF-8 without Cyrillic and
// texts without a letter in any reading are Page_Unknown; so is a text whose
// likeliest reading still puts signs of no language inside words or letters
// in an order no language has, for it is in a page this detector does not
// read, and one whose likeliest reading is less sure than Least_Confidence. A byte-order mark names UTF-8 or
// UTF-16; UTF-16 without one is told by its zero bytes. Long texts are judged
// by Detect_Sample_Bytes spread over their whole length, so the time stays
// bounded.
Page_Guess Detect_Page(std::string_view bytes);

constexpr std::size_t Detect_Sample_Bytes = 64 * 1024;

// The stretches of a text of size bytes that Detect_Page judges it by, so
// that a file can be judged without reading all of it.
struct Byte_Range {
  std::size_t start;
  std::size_t size;
};
std::vector<Byte_Range> Detect_Sample_Ranges(std::size_t size);
// The page of a text from the stretches Detect_Sample_Ranges names, in order.
// overconfidence is the letter model's, but for the benchmark that fits it.
Page_Guess Detect_Page_Of_Sample(const std::vector<std::string_view>& stretches,
                                 double overconfidence = Model_Overconfidence);
// The stretches joined into the one text they are judged as.
std::string Sample_Of(const std::vector<std::string_view>& stretches);
