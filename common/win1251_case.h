#pragma once
// The capital/small letter pairs of Windows-1251, as byte tables.
#include <array>
#include <cstdint>

using Case_Map = std::array<std::uint8_t, 256>;

// Every small letter of a capital/small pair to its capital; all else stays.
extern const Case_Map Upper_Case_Table;
// Every capital of a pair to its small letter; all else stays.
extern const Case_Map Lower_Case_Table;
