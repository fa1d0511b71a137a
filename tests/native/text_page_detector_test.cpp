#include "text/page_detector.h"

#include <gtest/gtest.h>

#include <string>

namespace {

const Text_Page Eight_Bit_Pages[] = {Page_DOS, Page_ISO,   Page_KOI,    Page_MAC,
                                     Page_WIN, Page_KOI8U, Page_CP1125, Page_IBM855};

std::string In(Text_Page page, const std::string& utf8) { return Convert_Exact(utf8, Page_UTF8, page).text; }

// Right when the guessed page reads the bytes as the same text.
bool Reads_Same(const Page_Guess& guess, const std::string& bytes, const std::string& utf8) {
  if (guess.page == Page_Unknown) return false;
  const Exact_Conversion reading = Convert_Exact(bytes, static_cast<Text_Page>(guess.page), Page_UTF8);
  return reading.missing == 0 && reading.invalid == 0 && reading.text == utf8;
}

TEST(PageDetector, TellsEveryPageOfShortAndLongRussianText) {
  const std::string texts[] = {
      u8"Мороз и солнце; день чудесный!",
      u8"Вчера в Москве",
      u8"Поезд отправляется с третьего пути в семь часов вечера, не опаздывайте.",
      u8"ПРОДАЖА АВТОМОБИЛЕЙ",
      u8"Ёлка стоит у окна, на ней игрушки и гирлянды.",
  };
  for (const std::string& text : texts) {
    for (const Text_Page page : Eight_Bit_Pages) {
      const std::string bytes = In(page, text);
      const Page_Guess guess = Detect_Page(bytes);
      EXPECT_TRUE(Reads_Same(guess, bytes, text))
          << Text_Page_Name(page) << ": " << text << " seen as " << guess.page;
      EXPECT_GT(guess.confidence, 0.5) << Text_Page_Name(page) << ": " << text;
    }
    const Page_Guess utf8 = Detect_Page(text);
    EXPECT_EQ(utf8.page, Page_UTF8) << text;
  }
}

// Ukrainian in every page that holds its letters, Belarusian likewise: і ї
// є ґ read as box drawing or the Russian page's signs would be a wrong page.
TEST(PageDetector, TellsUkrainianAndBelarusianInTheirPages) {
  const std::string ukrainian = u8"Їжачок їсть яблука, а дід лежить на столі. Київ є столицею.";
  for (const Text_Page page : {Page_KOI8U, Page_CP1125, Page_IBM855, Page_WIN, Page_ISO, Page_MAC}) {
    const std::string bytes = In(page, ukrainian);
    const Page_Guess guess = Detect_Page(bytes);
    EXPECT_TRUE(Reads_Same(guess, bytes, ukrainian)) << Text_Page_Name(page) << " seen as " << guess.page;
    EXPECT_GT(guess.confidence, 0.9) << Text_Page_Name(page);
  }
  const std::string belarusian = u8"Беларуская мова, адна з дзвюх дзяржаўных моў у краіне.";
  for (const Text_Page page : {Page_WIN, Page_ISO, Page_MAC, Page_IBM855}) {
    const std::string bytes = In(page, belarusian);
    EXPECT_TRUE(Reads_Same(Detect_Page(bytes), bytes, belarusian)) << Text_Page_Name(page);
  }
}

// WIN text whose only capital starts it reads in MAC as a small я or a dash;
// WIN is told all the same, and the text is not changed.
// Where the capitals are all that tells the two, as in the first, that is
// slight evidence, and the confidence says so.
TEST(PageDetector, WinWithOneCapitalAtTheStartIsNotMac) {
  for (const std::string text : {u8"Я милого узнаю по колготкам", u8"Сегодня тепло. Я иду гулять"}) {
    const Page_Guess guess = Detect_Page(In(Page_WIN, text));
    EXPECT_EQ(guess.page, Page_WIN) << text;
    const bool capitals_alone = text.rfind(u8"Я", 0) == 0;
    EXPECT_EQ(guess.confidence <= Slight_Evidence_Confidence, capitals_alone) << text;
  }
}

// Text the detector cannot tell answers ?, not a confident guess: the
// Bulgarian DOS page, with all the letters in a row from 0x80, so that every
// reading puts boxes or signs inside words; Greek, whose letters read in MAC
// as Cyrillic ones in an order no language has; Polish, French and German,
// whose letters read as Cyrillic ones amid Latin, the last with WIN's quote
// marks around; and Russian in two pages at once.
TEST(PageDetector, TextItCannotTellIsUnknownNotAConfidentGuess) {
  const std::u16string text = u"Широкая электрификация южных губерний даст мощный толчок.";
  std::string mik;
  for (const char16_t c : text) mik += static_cast<char>(c >= u'А' && c <= u'я' ? 0x80 + (c - u'А') : c);
  const std::string greek_1253 =
      "\xD4\xEF \xF0\xF1\xFC\xE3\xF1\xE1\xEC\xEC\xE1 \xE4\xE5\xED \xEC\xF0\xEF\xF1\xE5\xDF \xED\xE1 "
      "\xE1\xED\xEF\xDF\xEE\xE5\xE9 \xF4\xEF \xE1\xF1\xF7\xE5\xDF\xEF, \xE3\xE9\xE1\xF4\xDF \xE4\xE5\xED "
      "\xF5\xF0\xDC\xF1\xF7\xE5\xE9 \xF3\xF4\xEF\xED \xE4\xDF\xF3\xEA\xEF.";
  const std::string polish_1250 =
      "Za\xBF\xF3\xB3\xE6 g\xEA\x9Cl\xB9 ja\x9F\xF1: program nie mo\xBF" "e otworzy\xE6 pliku, bo nie ma go.";
  const std::string french_1252 =
      "Le programme ne peut pas ouvrir le fichier, car il n\x92" "est plus l\xE0, h\xE9las.";
  const std::string german_1252 =
      "Datei \xBB"
      "a\xAB, Feld \xBB"
      "b\xAB, Verweis auf \xBB"
      "c\xAB: Version enth\xE4";
  const std::string half = u8"Широкая электрификация южных губерний даст мощный толчок сельскому хозяйству. ";
  std::string two_pages;
  for (int i = 0; i < 8; ++i) two_pages += In(Page_KOI, half);
  for (int i = 0; i < 8; ++i) two_pages += In(Page_WIN, half);
  for (const std::string& bytes : {mik, greek_1253, polish_1250, french_1252, german_1252, two_pages})
    EXPECT_EQ(Detect_Page(bytes).page, Page_Unknown) << bytes;
}

// UTF-8 with one word in Windows-1251 is UTF-8 with errors, never an 8-bit
// page; 8-bit text is never taken for it, IBM855's letters that look like
// UTF-8 sequences included.
TEST(PageDetector, Utf8WithAFewBadBytesIsUtf8WithErrors) {
  const std::string text =
      u8"Широкая электрификация южных губерний " + In(Page_WIN, u8"даст") + u8" мощный толчок.";
  const Page_Guess guess = Detect_Page(text);
  EXPECT_EQ(guess.page, Page_UTF8);
  EXPECT_TRUE(guess.utf8_errors);
  for (const Text_Page page : Eight_Bit_Pages)
    EXPECT_FALSE(Detect_Page(In(page, u8"терминала или inittab(5)")).utf8_errors) << Text_Page_Name(page);
  EXPECT_FALSE(Detect_Page(u8"Широкая электрификация").utf8_errors);
}

// UTF-16 is told by its mark, or without one by its zero bytes.
TEST(PageDetector, Utf16ByMarkOrZeroBytes) {
  const std::string le("\x1F\x04\x40\x04\x38\x04\x20\x00\x61\x00", 10);  // "При a"
  std::string be = le;
  for (std::size_t at = 0; at < be.size(); at += 2) std::swap(be[at], be[at + 1]);
  EXPECT_EQ(Detect_Page(le).page, Page_UTF16LE);
  EXPECT_EQ(Detect_Page(be).page, Page_UTF16BE);
  EXPECT_EQ(Detect_Page("\xFF\xFE" + le).page, Page_UTF16LE);
}

TEST(PageDetector, SmallLettersOfMacAndWinAreOneTextWithFullConfidence) {
  const std::string text = u8"съешь этих булок";
  const Page_Guess guess = Detect_Page(In(Page_MAC, text));
  EXPECT_TRUE(guess.page == Page_WIN || guess.page == Page_MAC);
  EXPECT_GT(guess.confidence, 0.9);
}

TEST(PageDetector, UnknownWithoutRussian) {
  EXPECT_EQ(Detect_Page("").page, Page_Unknown);
  EXPECT_EQ(Detect_Page("plain ASCII text, nothing more").page, Page_Unknown);
  EXPECT_EQ(Detect_Page(u8"naïve café").page, Page_Unknown);  // UTF-8 without Cyrillic
  EXPECT_EQ(Detect_Page("\x01\x02\x03").page, Page_Unknown);
  const std::string koi_with_nul("\xD0\xD2\xC9\xD7\xC5\xD4\0", 7);  // привет and a NUL: binary
  EXPECT_EQ(Detect_Page(koi_with_nul.substr(0, 6)).page, Page_KOI);
  EXPECT_EQ(Detect_Page(koi_with_nul).page, Page_Unknown);
}

// A long text is judged by stretches spread over all of it: Russian that
// starts only after a megabyte of ASCII is still found.
TEST(PageDetector, LongTextsAreSampledOverTheirWholeLength) {
  std::string text(1 << 20, 'x');
  for (int i = 0; i < 4000; ++i) text += u8"Широкая электрификация южных губерний даст мощный толчок. ";
  for (const Text_Page page : {Page_KOI, Page_UTF8}) {
    const std::string bytes = In(page, text);
    EXPECT_EQ(Detect_Page(bytes).page, page);
  }
  const auto ranges = Detect_Sample_Ranges(text.size());
  std::size_t sampled = 0;
  for (const Byte_Range& range : ranges) sampled += range.size;
  EXPECT_LE(sampled, Detect_Sample_Bytes);
  EXPECT_EQ(ranges.front().start, 0u);
  EXPECT_EQ(ranges.back().start + ranges.back().size, text.size());
}

}  // namespace
