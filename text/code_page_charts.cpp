#include "text/code_page_charts.h"

#include <array>
#include <vector>

#include "common/cyrillic_pages.h"
#include "common/win1251_unicode.h"

// The charts are those files in the pages are read by; Windows-1251's is the
// one the edit area already speaks.
const char16_t* const Code_Page_Chart[Chart_Count] = {
    kDos866_Upper_Half.data(),       kIso8859_5_Upper_Half.data(), kKoi8r_Upper_Half.data(),
    kMac_Cyrillic_Upper_Half.data(), kWin1251_Upper_Half.data(),   kKoi8u_Upper_Half.data(),
    kCp1125_Upper_Half.data(),       kIbm855_Upper_Half.data()};

namespace {

// The upper halves sorted by code, for the way back.
struct Reverse_Entry {
  char16_t code;
  std::uint8_t byte;
};
using Reverse_Chart = std::array<Reverse_Entry, 128>;

std::array<Reverse_Chart, Chart_Count> Make_Reverse_Charts() {
  std::array<Reverse_Chart, Chart_Count> charts{};
  for (int page = 0; page < Chart_Count; ++page) {
    for (int i = 0; i < 128; ++i)
      charts[page][i] = {Code_Page_Chart[page][i], static_cast<std::uint8_t>(0x80 + i)};
    auto& chart = charts[page];
    for (int i = 1; i < 128; ++i)  // 128 entries: insertion sort is plenty
      for (int k = i; k > 0 && chart[k].code < chart[k - 1].code; --k) std::swap(chart[k], chart[k - 1]);
  }
  return charts;
}

}  // namespace

int Page_Byte(int page, char32_t code) {
  if (code < 0x80) return static_cast<int>(code);
  static const auto charts = Make_Reverse_Charts();
  const Reverse_Chart& chart = charts[page];
  std::size_t low = 0, high = chart.size();
  while (low < high) {
    const std::size_t middle = (low + high) / 2;
    if (chart[middle].code < code)
      low = middle + 1;
    else
      high = middle;
  }
  return low < chart.size() && chart[low].code == code ? chart[low].byte : -1;
}
