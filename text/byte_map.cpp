#include "text/byte_map.h"

#include <cstring>

std::string Map_Bytes(const std::string& text, const Byte_Table& map) {
  // Copying first gives the result its size without a separate zero fill;
  // the lookups then run over plain pointers that cannot alias the table,
  // eight at a time.
  std::string result(text);
  auto* __restrict out = reinterpret_cast<std::uint8_t*>(result.data());
  const std::uint8_t* __restrict table = map.data();
  const std::size_t n = result.size();
  std::size_t i = 0;
  for (; i + 8 <= n; i += 8) {
    std::uint64_t word;
    std::memcpy(&word, out + i, 8);
    std::uint64_t mapped = 0;
    for (int k = 0; k < 8; ++k) mapped |= std::uint64_t(table[(word >> (8 * k)) & 0xFF]) << (8 * k);
    std::memcpy(out + i, &mapped, 8);
  }
  for (; i < n; ++i) out[i] = table[out[i]];
  return result;
}
