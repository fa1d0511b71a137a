#pragma once
// Which code page a text of Russian was written in, from the bytes alone:
// each page's reading of the bytes is scored by how Russian text runs
// (text/russian_bigrams.h), and the most Russian reading wins.
#include <cstddef>
#include <string_view>
#include <vector>

#include "text/exact_conversion.h"

constexpr int Page_Unknown = -1;

struct Page_Guess {
  int page = Page_Unknown;  // a Text_Page, or Page_Unknown
  // How sure: the share the winning reading takes of all readings, counting
  // the pages that read these bytes as the very same text as one.
  double confidence = 0;
};

// Texts without a byte above 0x7F, binary data, UTF-8 without Cyrillic and
// texts without a Russian letter in any reading are Page_Unknown. Long texts are judged by
// Detect_Sample_Bytes spread over their whole length, so the time stays bounded.
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
Page_Guess Detect_Page_Of_Sample(const std::vector<std::string_view>& stretches);
