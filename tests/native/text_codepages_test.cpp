#include "text/codepages.h"

#include "text/code_page_charts.h"
#include "text/menu_conversion.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <cstring>
#include <set>
#include <string>

namespace {

const char* const Iconv_Names[Codepage_Count] = {"CP866", "ISO-8859-5", "KOI8-R", "MACCYRILLIC", "CP1251"};

// The Unicode code point of one byte of a code page, by the system's iconv.
unsigned Decode_With_Iconv(const char* page, std::uint8_t byte) {
  iconv_t cd = iconv_open("UTF-32LE", page);
  if (cd == reinterpret_cast<iconv_t>(-1)) return 0;
  char in[1] = {static_cast<char>(byte)};
  unsigned char out[4] = {};
  char* in_ptr = in;
  char* out_ptr = reinterpret_cast<char*>(out);
  std::size_t in_left = 1;
  std::size_t out_left = sizeof out;
  const std::size_t done = iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left);
  iconv_close(cd);
  if (done == static_cast<std::size_t>(-1)) return 0;
  return out[0] | out[1] << 8 | out[2] << 16 | static_cast<unsigned>(out[3]) << 24;
}

// Index k is А..Я (U+0410..U+042F) then а..я (U+0430..U+044F).
unsigned Letter_Code_Point(int k) { return 0x0410u + static_cast<unsigned>(k); }

bool Is_Letter_Of(Codepage page, int byte) {
  for (int k = 0; k < Codepage_Letters; ++k)
    if (Codepage_Table[page][k] == byte) return true;
  return false;
}

const Codepage All_Pages[] = {Codepage_DOS, Codepage_ISO, Codepage_KOI, Codepage_MAC, Codepage_WIN};

}  // namespace

TEST(TextCodepages, EveryRowMatchesThePublishedCodePage) {
  for (Codepage page : All_Pages)
    for (int k = 0; k < Codepage_Letters; ++k)
      EXPECT_EQ(Decode_With_Iconv(Iconv_Names[page], Codepage_Table[page][k]), Letter_Code_Point(k))
          << Codepage_Name(page) << " letter " << k;
}

TEST(TextCodepages, LettersMapOneToOneBetweenEveryPair) {
  for (Codepage s : All_Pages)
    for (Codepage t : All_Pages)
      for (int k = 0; k < Codepage_Letters; ++k)
        EXPECT_EQ(Convert_Char(Codepage_Table[s][k], s, t), Codepage_Table[t][k])
            << Codepage_Name(s) << "->" << Codepage_Name(t) << " letter " << k;
}

TEST(TextCodepages, RoundTripBringsEveryLetterBack) {
  for (Codepage s : All_Pages)
    for (Codepage t : All_Pages) {
      std::string letters;
      for (int k = 0; k < Codepage_Letters; ++k) letters += static_cast<char>(Codepage_Table[s][k]);
      EXPECT_EQ(Convert_Text(Convert_Text(letters, s, t), t, s), letters)
          << Codepage_Name(s) << "<->" << Codepage_Name(t);
    }
}

TEST(TextCodepages, BytesThatAreNoLetterOfTheSourcePassUnchanged) {
  for (Codepage s : All_Pages)
    for (Codepage t : All_Pages)
      for (int b = 0; b < 256; ++b)
        if (!Is_Letter_Of(s, b)) {
          EXPECT_EQ(Convert_Char(static_cast<std::uint8_t>(b), s, t), b)
              << Codepage_Name(s) << "->" << Codepage_Name(t) << " byte " << b;
        }
}

TEST(TextCodepages, YoIsNeverConverted) {
  // WIN Ё reads as DOS и; DOS Ё/ё read as WIN р/с; KOI ё/Ё read as WIN Ј/і.
  EXPECT_EQ(Convert_Char(0xA8, Codepage_WIN, Codepage_DOS), 0xA8);
  EXPECT_EQ(Convert_Char(0xB8, Codepage_WIN, Codepage_DOS), 0xB8);
  EXPECT_EQ(Convert_Char(0xF0, Codepage_DOS, Codepage_WIN), 0xF0);
  EXPECT_EQ(Convert_Char(0xF1, Codepage_DOS, Codepage_WIN), 0xF1);
  EXPECT_EQ(Convert_Char(0xA3, Codepage_KOI, Codepage_WIN), 0xA3);
  EXPECT_EQ(Convert_Char(0xB3, Codepage_KOI, Codepage_WIN), 0xB3);
}

TEST(TextCodepages, KoiAndWinRoundTripEveryByte) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
  EXPECT_EQ(Convert_Text(Convert_Text(all, Codepage_KOI, Codepage_WIN), Codepage_WIN, Codepage_KOI), all);
  EXPECT_EQ(Convert_Text(Convert_Text(all, Codepage_WIN, Codepage_KOI), Codepage_KOI, Codepage_WIN), all);
}

TEST(TextCodepages, NonLetterThatIsATargetLetterComesBackAsTheSourceLetter) {
  // DOS box drawing 0xC0 stays 0xC0 (WIN А), which goes back as DOS А.
  EXPECT_EQ(Convert_Char(0xC0, Codepage_DOS, Codepage_WIN), 0xC0);
  const std::string dos_box = "\xC0";
  EXPECT_EQ(Convert_Text(Convert_Text(dos_box, Codepage_DOS, Codepage_WIN), Codepage_WIN, Codepage_DOS),
            "\x80");
}

TEST(TextCodepages, WholeTextKeepsAsciiAndLength) {
  const std::string dos = "Hi \x8F\xE0\xA8\xA2\xA5\xE2!\r\t\n";  // Hi Привет!
  const std::string win = Convert_Text(dos, Codepage_DOS, Codepage_WIN);
  EXPECT_EQ(win, "Hi \xCF\xF0\xE8\xE2\xE5\xF2!\r\t\n");
  EXPECT_EQ(Convert_Text("", Codepage_DOS, Codepage_WIN), "");
}

// Each menu id leads to its own conversion (TextFrameConversion checks them).
TEST(TextCodepages, TwentyDistinctConversionsWithTheirCaptions) {
  std::set<std::pair<int, int>> pairs;
  for (const Conversion& c : Conversions) {
    EXPECT_NE(c.source, c.target);
    pairs.insert({c.source, c.target});
  }
  EXPECT_EQ(pairs.size(), 20u);
  EXPECT_EQ(Conversions[0].alt_key, 'D');
  EXPECT_EQ(Conversions[3].alt_key, 'M');
  EXPECT_EQ(Conversions[4].alt_key, 0);
  EXPECT_EQ(Conversion_Caption(Conversions[0]), "Перевести из DOS в WIN кодировку");
  EXPECT_EQ(Conversion_Caption(Conversions[19]), "Перевести из MAC в ISO кодировку");
}

// The menu's conversions (text/menu_conversion.h) move every character both
// pages hold, both ways, and leave the byte of any other alone.
TEST(TextMenuConversion, EveryCharacterBothPagesHoldMovesAndComesBack) {
  for (Codepage s : All_Pages) {
    for (Codepage t : All_Pages) {
      if (s == t) continue;
      const Byte_Map& there = Menu_Conversion_Map(s, t);
      const Byte_Map& back = Menu_Conversion_Map(t, s);
      int moved = 0;
      for (int b = 0; b < 256; ++b) {
        const char16_t c = Page_Char(s, std::uint8_t(b));
        if (Page_Byte(t, c) < 0) {
          EXPECT_EQ(there[b], b) << Codepage_Name(s) << ">" << Codepage_Name(t) << " " << b;
          continue;
        }
        ++moved;
        EXPECT_EQ(Page_Char(t, there[b]), c) << Codepage_Name(s) << ">" << Codepage_Name(t) << " " << b;
        EXPECT_EQ(back[there[b]], b) << Codepage_Name(s) << ">" << Codepage_Name(t) << " " << b;
      }
      // ASCII, the 64 letters, Ё and ё at the least.
      EXPECT_GE(moved, 128 + 64 + 2);
      for (int k = 0; k < Codepage_Letters; ++k) EXPECT_EQ(there[Codepage_Table[s][k]], Codepage_Table[t][k]);
    }
  }
}

TEST(TextMenuConversion, AltDAndAltKKeepYoAndTheNumeroSign) {
  const auto convert = [](std::string text, Codepage s, Codepage t) {
    Convert_Menu_Run(text, 0, text.size(), s, t);
    return text;
  };
  // "ещё ЁЛКА №5 °"
  const std::string win = "\xE5\xF9\xB8 \xA8\xCB\xCA\xC0 \xB9\x35 \xB0";
  EXPECT_EQ(convert("\xA5\xE9\xF1 \xF0\x8B\x8A\x80 \xFC\x35 \xF8", Codepage_DOS, Codepage_WIN), win);
  EXPECT_EQ(convert(win + " \xABx\xBB", Codepage_WIN, Codepage_MAC),
            "\xE5\xF9\xDE \xDD\x8B\x8A\x80 \xDC\x35 \xA1 \xC7x\xC8");
  // DOS lacks « »: their bytes stay as they are.
  EXPECT_EQ(convert("\xABx\xBB", Codepage_WIN, Codepage_DOS), "\xABx\xBB");
  // "ещё ЁЛКА 5 °" in KOI.
  EXPECT_EQ(convert("\xC5\xDD\xA3 \xB3\xEC\xEB\xE1 5 \x9C", Codepage_KOI, Codepage_WIN),
            "\xE5\xF9\xB8 \xA8\xCB\xCA\xC0 5 \xB0");
  // A piece converts alone; the rest waits.
  std::string half = "\xA5\xA5\xA5\xA5";
  Convert_Menu_Run(half, 1, 3, Codepage_DOS, Codepage_WIN);
  EXPECT_EQ(half, "\xA5\xE5\xE5\xA5");
}
