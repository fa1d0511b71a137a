#pragma once
// The byte-for-byte table lookup behind the code-page conversions, the
// re-typing and the case change.
#include <array>
#include <cstdint>
#include <string>

using Byte_Table = std::array<std::uint8_t, 256>;

std::string Map_Bytes(const std::string& text, const Byte_Table& map);
