#pragma once
// How Russian text runs: the score of one sign following another, in eighths
// of a natural logarithm of its frequency. The signs are grouped into classes:
// 0 white space, 1..32 the letters а..я of either case (ё counts as е),
// 33 digits, 34 Latin letters, 35 the rest of ASCII, then one class for each
// typographic sign of Russian_Typographic_Signs, and last every other
// character. Case is scored apart: 0 no letter, 1 small letter, 2 capital.
#include <cstdint>

constexpr int Russian_Digit_Class = 33;
constexpr int Russian_Latin_Class = 34;
constexpr int Russian_Punctuation_Class = 35;
constexpr int Russian_First_Typographic_Class = 36;
// The no-break space, « » – — … “ ” „ ‘ ’ № ° § © · • ® ™ €.
constexpr char16_t Russian_Typographic_Signs[] =
    u"\u00a0\u00ab\u00bb\u2013\u2014\u2026\u201c\u201d\u201e\u2018\u2019"
    u"\u2116\u00b0\u00a7\u00a9\u00b7\u2022\u00ae\u2122\u20ac";
constexpr int Russian_Odd_Class = Russian_First_Typographic_Class +
                                  static_cast<int>(sizeof Russian_Typographic_Signs / sizeof(char16_t)) - 1;
constexpr int Russian_Sign_Classes = Russian_Odd_Class + 1;
constexpr double Russian_Score_Scale = 8.0;

extern const std::int8_t Russian_Pair_Score[Russian_Sign_Classes][Russian_Sign_Classes];
extern const std::int8_t Russian_Case_Score[3][3];
