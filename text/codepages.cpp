#include "text/codepages.h"

#include "common/command_ids.h"
#include "text/byte_map.h"
#include "text/text_texts.h"

std::string Convert_Text(const std::string& text, Codepage source, Codepage target) {
  return Map_Bytes(text, Conversion_Maps[source][target]);
}

const char* Codepage_Name(Codepage page) {
  static const char* const names[Codepage_Count] = {"DOS", "ISO", "KOI", "MAC", "WIN"};
  return names[page];
}

const Conversion Conversions[Conversion_Count] = {
    {IDM_DOS_WIN, Codepage_DOS, Codepage_WIN, 'D'}, {IDM_KOI_WIN, Codepage_KOI, Codepage_WIN, 'K'},
    {IDM_ISO_WIN, Codepage_ISO, Codepage_WIN, 'I'}, {IDM_MAC_WIN, Codepage_MAC, Codepage_WIN, 'M'},
    {IDM_WIN_DOS, Codepage_WIN, Codepage_DOS, 0},   {IDM_WIN_KOI, Codepage_WIN, Codepage_KOI, 0},
    {IDM_WIN_ISO, Codepage_WIN, Codepage_ISO, 0},   {IDM_WIN_MAC, Codepage_WIN, Codepage_MAC, 0},
    {IDM_DOS_ISO, Codepage_DOS, Codepage_ISO, 0},   {IDM_DOS_KOI, Codepage_DOS, Codepage_KOI, 0},
    {IDM_DOS_MAC, Codepage_DOS, Codepage_MAC, 0},   {IDM_KOI_DOS, Codepage_KOI, Codepage_DOS, 0},
    {IDM_KOI_ISO, Codepage_KOI, Codepage_ISO, 0},   {IDM_KOI_MAC, Codepage_KOI, Codepage_MAC, 0},
    {IDM_ISO_DOS, Codepage_ISO, Codepage_DOS, 0},   {IDM_ISO_KOI, Codepage_ISO, Codepage_KOI, 0},
    {IDM_ISO_MAC, Codepage_ISO, Codepage_MAC, 0},   {IDM_MAC_DOS, Codepage_MAC, Codepage_DOS, 0},
    {IDM_MAC_KOI, Codepage_MAC, Codepage_KOI, 0},   {IDM_MAC_ISO, Codepage_MAC, Codepage_ISO, 0},
};

const Conversion* Conversion_Of(int menu_id) {
  for (const Conversion& c : Conversions)
    if (c.Menu_Id == menu_id) return &c;
  return nullptr;
}

std::string Conversion_Caption(const Conversion& conversion) {
  return Conversion_Caption_Text(Codepage_Name(conversion.source), Codepage_Name(conversion.target));
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
