#include "text/codepages.h"

#include "text/byte_map.h"

std::string Convert_Text(const std::string& text, Codepage source, Codepage target) {
  return Map_Bytes(text, Conversion_Maps[source][target]);
}

const char* Codepage_Name(Codepage page) {
  static const char* const names[Codepage_Count] = {"DOS", "ISO", "KOI", "MAC", "WIN"};
  return names[page];
}

const Conversion Conversions[Conversion_Count] = {
    {"DOS_WIN", Codepage_DOS, Codepage_WIN, 'D'}, {"KOI_WIN", Codepage_KOI, Codepage_WIN, 'K'},
    {"ISO_WIN", Codepage_ISO, Codepage_WIN, 'I'}, {"MAC_WIN", Codepage_MAC, Codepage_WIN, 'M'},
    {"WIN_DOS", Codepage_WIN, Codepage_DOS, 0},   {"WIN_KOI", Codepage_WIN, Codepage_KOI, 0},
    {"WIN_ISO", Codepage_WIN, Codepage_ISO, 0},   {"WIN_MAC", Codepage_WIN, Codepage_MAC, 0},
    {"DOS_ISO", Codepage_DOS, Codepage_ISO, 0},   {"DOS_KOI", Codepage_DOS, Codepage_KOI, 0},
    {"DOS_MAC", Codepage_DOS, Codepage_MAC, 0},   {"KOI_DOS", Codepage_KOI, Codepage_DOS, 0},
    {"KOI_ISO", Codepage_KOI, Codepage_ISO, 0},   {"KOI_MAC", Codepage_KOI, Codepage_MAC, 0},
    {"ISO_DOS", Codepage_ISO, Codepage_DOS, 0},   {"ISO_KOI", Codepage_ISO, Codepage_KOI, 0},
    {"ISO_MAC", Codepage_ISO, Codepage_MAC, 0},   {"MAC_DOS", Codepage_MAC, Codepage_DOS, 0},
    {"MAC_KOI", Codepage_MAC, Codepage_KOI, 0},   {"MAC_ISO", Codepage_MAC, Codepage_ISO, 0},
};

std::string Conversion_Caption(const Conversion& conversion) {
  return std::string("Перевести из ") + Codepage_Name(conversion.source) + " в " +
         Codepage_Name(conversion.target) + " кодировку";
}

namespace {

constexpr bool Rows_Hold_Distinct_Bytes() {
  for (int row = 0; row < Codepage_Count; ++row)
    for (int i = 0; i < Codepage_Letters; ++i)
      for (int k = i + 1; k < Codepage_Letters; ++k)
        if (Codepage_Table[row][i] == Codepage_Table[row][k]) return false;
  return true;
}
// A repeated byte would make a conversion lose a letter on the way back.
static_assert(Rows_Hold_Distinct_Bytes(), "a code page row holds a byte twice");

}  // namespace
