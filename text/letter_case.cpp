#include "text/letter_case.h"

#include "text/byte_map.h"

#include <algorithm>

namespace {

// Written with | rather than ||: no branches, so a loop over it vectorizes.
constexpr bool Is_Tested_Small_Letter(std::uint8_t b) {
  return (static_cast<std::uint8_t>(b - 'a') < 26) | (b == 0xB8) | (b >= 0xE0);
}

}  // namespace

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
