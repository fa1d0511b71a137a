#include "common/win1251_case.h"

namespace {

struct Case_Pair {
  std::uint8_t capital;
  std::uint8_t small;
};

// The letter pairs outside the two contiguous alphabets.
constexpr Case_Pair Other_Pairs[] = {
    {0x80, 0x90}, {0x81, 0x83}, {0x8A, 0x9A}, {0x8C, 0x9C}, {0x8D, 0x9D},
    {0x8E, 0x9E}, {0x8F, 0x9F}, {0xA1, 0xA2}, {0xA3, 0xBC}, {0xA5, 0xB4},
    {0xA8, 0xB8}, {0xAA, 0xBA}, {0xB2, 0xB3}, {0xBD, 0xBE}, {0xAF, 0xBF},
};

template <bool To_Upper>
constexpr Case_Map Make_Case_Map() {
  Case_Map map{};
  for (int b = 0; b < 256; ++b) map[b] = static_cast<std::uint8_t>(b);
  auto pair = [&map](int capital, int small) {
    if (To_Upper)
      map[small] = static_cast<std::uint8_t>(capital);
    else
      map[capital] = static_cast<std::uint8_t>(small);
  };
  for (int k = 0; k < 26; ++k) pair('A' + k, 'a' + k);
  for (int k = 0; k < 32; ++k) pair(0xC0 + k, 0xE0 + k);
  for (const Case_Pair& other : Other_Pairs) pair(other.capital, other.small);
  return map;
}

}  // namespace

constexpr Case_Map Upper_Case_Table = Make_Case_Map<true>();
constexpr Case_Map Lower_Case_Table = Make_Case_Map<false>();
