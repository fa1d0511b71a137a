#pragma once
// The byte-for-byte table lookup behind the code-page conversions, the
// re-typing and the case change.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

using Byte_Table = std::array<std::uint8_t, 256>;

// The text with every byte b replaced by map[b]; the length stays.
std::string Map_Bytes(const std::string& text, const Byte_Table& map);

// out[i] = map[in[i]] for i < count, with the fastest kernel this processor
// runs. out may equal in; otherwise the two ranges must not overlap.
void Map_Byte_Run(const std::uint8_t* in, std::uint8_t* out, std::size_t count, const Byte_Table& map);
