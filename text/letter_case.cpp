#include "text/byte_map.h"
#include "text/letter_case.h"

#include <algorithm>

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

// Written with | rather than ||: no branches, so a loop over it vectorizes.
constexpr bool Is_Tested_Small_Letter(std::uint8_t b) {
  return (static_cast<std::uint8_t>(b - 'a') < 26) | (b == 0xB8) | (b >= 0xE0);
}

}  // namespace

constexpr Case_Map Upper_Case_Table = Make_Case_Map<true>();
constexpr Case_Map Lower_Case_Table = Make_Case_Map<false>();

std::string Upper_Case_Text(const std::string& text) { return Map_Bytes(text, Upper_Case_Table); }

std::string Lower_Case_Text(const std::string& text) { return Map_Bytes(text, Lower_Case_Table); }

namespace {

// Whether bytes[0, count) hold a small letter by Has_Lower_Letter. The bytes
// are tested whole, without a way out in the middle, so that the compiler
// compares many at once; callers hand over blocks and stop between them.
bool Block_Has_Lower_Letter(const std::uint8_t* bytes, std::size_t count) {
  std::uint8_t found = 0;
  for (std::size_t i = 0; i < count; ++i)
    found |= static_cast<std::uint8_t>(Is_Tested_Small_Letter(bytes[i]));
  return found != 0;
}

constexpr std::size_t Block = 8192;

}  // namespace

bool Has_Lower_Letter(const std::string& text) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  for (std::size_t start = 0; start < text.size(); start += Block)
    if (Block_Has_Lower_Letter(bytes + start, std::min(Block, text.size() - start))) return true;
  return false;
}

std::string Toggle_Case_Text(const std::string& text) {
  // Most texts show a small letter in their first block and are raised in
  // one pass. A text without one is lowered block by block as it is read,
  // while the block is still in the cache; should a small letter turn up
  // after all, the text is raised from the start instead.
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data());
  std::uint8_t lowered_block[Block];
  std::string lowered;
  for (std::size_t start = 0; start < text.size(); start += Block) {
    const std::size_t count = std::min(Block, text.size() - start);
    if (Block_Has_Lower_Letter(bytes + start, count)) return Upper_Case_Text(text);
    if (start == 0) lowered.reserve(text.size());
    Map_Byte_Run(bytes + start, lowered_block, count, Lower_Case_Table);
    lowered.append(reinterpret_cast<const char*>(lowered_block), count);
  }
  return lowered;
}
