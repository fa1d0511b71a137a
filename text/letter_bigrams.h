#pragma once
// How the text of each language the detector knows runs: the score of one
// sign following another, in eighths of a natural logarithm of its frequency.
// The signs are grouped into classes shared by the languages: 0 white space,
// 1..32 the letters а..я of either case (ё counts as е), 33..37 і ї є ґ ў,
// 38 digits, 39 Latin letters, 40 the rest of ASCII, then one class for each
// typographic sign of Typographic_Signs, and last every other character.
// Case is scored apart: 0 no letter, 1 small letter, 2 capital. Made by
// tools/stats/make_bigrams.py.
#include <cstdint>

constexpr int First_Extra_Letter_Class = 33;
constexpr char16_t Extra_Letters[] = u"\u0456\u0457\u0454\u0491\u045e";   // і ї є ґ ў
constexpr char16_t Extra_Capitals[] = u"\u0406\u0407\u0404\u0490\u040e";  // І Ї Є Ґ Ў
constexpr int Extra_Letter_Count = 5;
constexpr int Digit_Class = 38;
constexpr int Latin_Class = 39;
constexpr int Punctuation_Class = 40;
constexpr int First_Typographic_Class = 41;
// The no-break space, « » – — … “ ” „ ‘ ’ № ° § © · • ® ™ € and the
// Ukrainian apostrophe ʼ.
constexpr char16_t Typographic_Signs[] =
    u"\u00a0\u00ab\u00bb\u2013\u2014\u2026\u201c\u201d\u201e\u2018\u2019"
    u"\u2116\u00b0\u00a7\u00a9\u00b7\u2022\u00ae\u2122\u20ac\u02bc";
constexpr int Odd_Class =
    First_Typographic_Class + static_cast<int>(sizeof Typographic_Signs / sizeof(char16_t)) - 1;
constexpr int Sign_Classes = Odd_Class + 1;
constexpr double Score_Scale = 8.0;

extern const std::int8_t Russian_Pair_Score[Sign_Classes][Sign_Classes];
extern const std::int8_t Russian_Case_Score[3][3];
extern const std::int8_t Ukrainian_Pair_Score[Sign_Classes][Sign_Classes];
extern const std::int8_t Ukrainian_Case_Score[3][3];
extern const std::int8_t Belarusian_Pair_Score[Sign_Classes][Sign_Classes];
extern const std::int8_t Belarusian_Case_Score[3][3];
