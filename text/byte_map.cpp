#include "text/byte_map.h"

#include "text/byte_map_kernels.h"

#include <algorithm>

std::string Map_Bytes(const std::string& text, const Byte_Table& map) {
  // The result is built from chunks mapped into a buffer that stays in the
  // first-level cache: the text is then read once and the result written
  // once, where copying it first and mapping in place would go over the
  // result twice, and sizing it first would fill it with zeros.
  constexpr std::size_t Chunk = 8192;
  std::uint8_t chunk[Chunk];
  std::string result;
  result.reserve(text.size());
  const auto* in = reinterpret_cast<const std::uint8_t*>(text.data());
  for (std::size_t done = 0; done < text.size(); done += Chunk) {
    const std::size_t count = std::min(Chunk, text.size() - done);
    Map_Byte_Run(in + done, chunk, count, map);
    result.append(reinterpret_cast<const char*>(chunk), count);
  }
  return result;
}
