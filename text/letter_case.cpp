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
constexpr Case_Map Make_Case_Map()
{
    Case_Map map{};
    for (int b = 0; b < 256; ++b)
        map[b] = static_cast<std::uint8_t>(b);
    auto pair = [&map](int capital, int small) {
        if (To_Upper)
            map[small] = static_cast<std::uint8_t>(capital);
        else
            map[capital] = static_cast<std::uint8_t>(small);
    };
    for (int k = 0; k < 26; ++k)
        pair('A' + k, 'a' + k);
    for (int k = 0; k < 32; ++k)
        pair(0xC0 + k, 0xE0 + k);
    for (const Case_Pair& other : Other_Pairs)
        pair(other.capital, other.small);
    return map;
}

constexpr bool Is_Tested_Small_Letter(std::uint8_t b)
{
    return (b >= 'a' && b <= 'z') || b == 0xB8 || b >= 0xE0;
}

}  // namespace

constexpr Case_Map Upper_Case_Table = Make_Case_Map<true>();
constexpr Case_Map Lower_Case_Table = Make_Case_Map<false>();

std::string Upper_Case_Text(const std::string& text)
{
    return Map_Bytes(text, Upper_Case_Table);
}

std::string Lower_Case_Text(const std::string& text)
{
    return Map_Bytes(text, Lower_Case_Table);
}

bool Has_Lower_Letter(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        return Is_Tested_Small_Letter(static_cast<std::uint8_t>(c));
    });
}

std::string Toggle_Case_Text(const std::string& text)
{
    return Has_Lower_Letter(text) ? Upper_Case_Text(text) : Lower_Case_Text(text);
}
