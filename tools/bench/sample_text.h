#pragma once
// The text the benchmarks open: Russian and English words in lines of
// varying length, CR LF line ends, Windows-1251.
#include <string>

inline std::string Sample_File(size_t size) {
  const std::string words[] = {"\xCF\xF0\xE8\xE2\xE5\xF2", "text", "\xEB\xE8\xF0\xEE\xE2\xEA\xE0",    "line",
                               "\xF1\xEB\xEE\xE2\xEE",     "--",   "\xAB\xF6\xE8\xF2\xE0\xF2\xE0\xBB"};
  std::string out;
  out.reserve(size + 64);
  for (size_t i = 0; out.size() < size; ++i) {
    out += words[i % 7];
    out += (i % 13 == 12) ? "\r\n" : " ";
  }
  out.resize(size);
  return out;
}
