#pragma once
// How Russian text runs: the score of one sign following another, in eighths
// of a natural logarithm of its frequency. The signs are grouped into classes:
// 0 everything ASCII, 1..32 the letters а..я of either case (ё counts as е),
// 33 the typographic signs (« » – — … “ ” „ ‘ ’ № ° § © · • ® ™ € and the
// no-break space), 34 every other character. Case is scored apart: 0 no
// letter, 1 small letter, 2 capital.
#include <cstdint>

constexpr int Russian_Sign_Classes = 35;
constexpr int Russian_Typographic_Class = 33;
constexpr int Russian_Odd_Class = 34;
constexpr double Russian_Score_Scale = 8.0;

extern const std::int8_t Russian_Pair_Score[Russian_Sign_Classes][Russian_Sign_Classes];
extern const std::int8_t Russian_Case_Score[3][3];
