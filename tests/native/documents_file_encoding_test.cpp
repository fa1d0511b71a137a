// Which encoding a file's bytes are in, and the way there and back.
#include <gtest/gtest.h>

#include <string>

#include "common/control_text.h"
#include "common/file_encoding.h"
#include "common/win1251_unicode.h"
#include "common/line_ends.h"

namespace {

const std::string kPrivet = "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82";  // "Привет" in UTF-8

TEST(FileEncodingRecognition, ByteOrderMarksNameTheirEncoding) {
  EXPECT_EQ(Recognize_File_Encoding("\xEF\xBB\xBF" + kPrivet), File_Encoding::Utf8_Bom);
  EXPECT_EQ(Recognize_File_Encoding("\xEF\xBB\xBF"), File_Encoding::Utf8_Bom);
  EXPECT_EQ(Recognize_File_Encoding(std::string("\xFF\xFE\x1F\x04", 4)), File_Encoding::Utf16_Le);
  EXPECT_EQ(Recognize_File_Encoding(std::string("\xFE\xFF\x04\x1F", 4)), File_Encoding::Utf16_Be);
  // A mark whose text would not come back whole leaves the file WIN.
  EXPECT_EQ(Recognize_File_Encoding(std::string("\xFF\xFE\x1F\x04\x20", 5)), File_Encoding::Win);
  EXPECT_EQ(Recognize_File_Encoding("\xEF\xBB\xBF\xCF\xF0"), File_Encoding::Win);
  EXPECT_EQ(Recognize_File_Encoding(std::string("\xFF\xFE\x41\x00\x00\x00", 6)), File_Encoding::Win);
}

TEST(FileEncodingRecognition, UnmarkedUtf8NeedsValidSequencesAndOneBeyondAscii) {
  EXPECT_EQ(Recognize_File_Encoding(kPrivet + ", world\r\n"), File_Encoding::Utf8);
  EXPECT_EQ(Recognize_File_Encoding("\xF0\x9F\x98\x80"), File_Encoding::Utf8);  // U+1F600
  EXPECT_EQ(Recognize_File_Encoding("\xF4\x8F\xBF\xBF"), File_Encoding::Utf8);  // U+10FFFF
  EXPECT_EQ(Recognize_File_Encoding("plain ASCII\r\n"), File_Encoding::Win);
  EXPECT_EQ(Recognize_File_Encoding(""), File_Encoding::Win);
  EXPECT_EQ(Recognize_File_Encoding("\xCF\xF0\xE8\xE2\xE5\xF2"), File_Encoding::Win);  // "Привет" in 1251
  const char* broken[] = {
      "\xC0\xAF",          // overlong '/'
      "\xC1\xBF",          // overlong
      "\xE0\x80\xAF",      // overlong in three bytes
      "\xF0\x80\x80\xAF",  // overlong in four bytes
      "\xED\xA0\x80",      // a surrogate, U+D800
      "\xED\xBF\xBF",      // U+DFFF
      "\xF4\x90\x80\x80",  // past U+10FFFF
      "\xF5\x80\x80\x80",  // a lead byte that never starts a sequence
      "\x80",              // a continuation byte alone
      "\xD0\x9F\xD0",      // cut off at the end
      "\xE2\x82",          // cut off at the end
      "\xD0\x41",          // a lead byte without its continuation
  };
  // Sixteen bytes of letters are checked at once: every sequence stands at
  // every place of such a block, between Cyrillic letters.
  const auto at_place = [](std::size_t place, const std::string& bytes) {
    std::string text(place % 2, 'a');
    for (std::size_t i = 0; i < place / 2; ++i) text += "\xD0\xB6";
    return text + bytes + kPrivet + kPrivet + kPrivet;
  };
  for (const char* bytes : broken) {
    EXPECT_FALSE(Is_Valid_Utf8(kPrivet + bytes)) << bytes;
    EXPECT_EQ(Recognize_File_Encoding(kPrivet + bytes), File_Encoding::Win) << bytes;
    for (std::size_t place = 0; place < 34; ++place)
      EXPECT_FALSE(Is_Valid_Utf8(at_place(place, bytes))) << place;
  }
  for (const char* bytes : {"\xE2\x82\xAC", "\xF0\x9F\x98\x80", "\xC2\xA0", "\xD1\x8F", "\xEF\xBF\xBF"})
    for (std::size_t place = 0; place < 34; ++place)
      EXPECT_TRUE(Is_Valid_Utf8(at_place(place, bytes))) << place;
  EXPECT_EQ(Recognize_File_Encoding(kPrivet + std::string("\0", 1)), File_Encoding::Win);
}

TEST(FileEncodingText, DecodesWithoutTheMarkAndEncodesBackTheSameBytes) {
  const std::wstring privet = {0x41F, 0x440, 0x438, 0x432, 0x435, 0x442};
  EXPECT_EQ(Decode_File_Text(kPrivet, File_Encoding::Utf8), privet);
  EXPECT_EQ(Decode_File_Text("\xEF\xBB\xBF" + kPrivet, File_Encoding::Utf8_Bom), privet);
  EXPECT_EQ(Decode_File_Text(std::string("\xFF\xFE\x1F\x04\x40\x04", 6), File_Encoding::Utf16_Le),
            privet.substr(0, 2));
  EXPECT_EQ(Decode_File_Text(std::string("\xFE\xFF\x04\x1F\x04\x40", 6), File_Encoding::Utf16_Be),
            privet.substr(0, 2));
  // Outside the basic plane a character is two UTF-16 units whatever wchar_t holds.
  EXPECT_EQ(Decode_File_Text("\xF0\x9F\x98\x80", File_Encoding::Utf8), (std::wstring{0xD83D, 0xDE00}));

  const std::string samples[] = {kPrivet + "\r\n\xE2\x82\xAC \xF0\x9F\x98\x80 \xEF\xBF\xBF", "", "a"};
  const File_Encoding encodings[] = {File_Encoding::Utf8, File_Encoding::Utf8_Bom, File_Encoding::Utf16_Le,
                                     File_Encoding::Utf16_Be};
  for (const std::string& sample : samples)
    for (const File_Encoding encoding : encodings) {
      const std::string bytes = Encode_File_Text(Decode_File_Text(sample, File_Encoding::Utf8), encoding);
      // Plain ASCII and nothing at all are WIN without a mark.
      const bool ascii = sample.size() < 2 && encoding == File_Encoding::Utf8;
      EXPECT_EQ(Recognize_File_Encoding(bytes), ascii ? File_Encoding::Win : encoding)
          << File_Encoding_Name(encoding);
      EXPECT_EQ(Encode_File_Text(Decode_File_Text(bytes, encoding), encoding), bytes)
          << File_Encoding_Name(encoding);
    }
  // An unpaired surrogate keeps its place in UTF-16 and is U+FFFD in UTF-8.
  EXPECT_EQ(Encode_File_Text(std::wstring{0xD800, 'a'}, File_Encoding::Utf16_Le),
            std::string("\xFF\xFE\x00\xD8\x61\x00", 6));
  EXPECT_EQ(Encode_File_Text(std::wstring{0xD800, 'a'}, File_Encoding::Utf8),
            "\xEF\xBF\xBD"
            "a");
}

// ASCII is taken eight bytes at a time: a bad byte at any place of such a
// word, or right after a run of them, still becomes one U+FFFD of its own.
TEST(FileEncodingText, BadBytesAmongLongAsciiRunsDecodeOneByOne) {
  for (size_t offset = 0; offset <= 16; ++offset) {
    const std::string bytes = std::string(offset, 'a') + "\xFF" + std::string(16 - offset, 'b');
    EXPECT_FALSE(Is_Valid_Utf8(bytes)) << offset;
    EXPECT_EQ(Decode_File_Text(bytes, File_Encoding::Utf8),
              std::wstring(offset, L'a') + wchar_t(0xFFFD) + std::wstring(16 - offset, L'b'))
        << offset;
  }
  const std::string run(21, 'x');
  const std::wstring wide_run(21, L'x');
  const std::wstring privet = {0x41F, 0x440, 0x438, 0x432, 0x435, 0x442};
  const std::wstring bad(1, wchar_t(0xFFFD));
  EXPECT_EQ(Decode_File_Text(run + "\xD0" + run + kPrivet + "\x80\xC3", File_Encoding::Utf8),
            wide_run + bad + wide_run + privet + bad + bad);
  EXPECT_TRUE(Is_Valid_Utf8(run + kPrivet + run + "\xF0\x9F\x98\x80" + run));
  // A zero byte far into the text still keeps it WIN.
  EXPECT_EQ(Recognize_File_Encoding(kPrivet + run + std::string(1, '\0') + run), File_Encoding::Win);
  EXPECT_EQ(Recognize_File_Encoding("\xEF\xBB\xBF" + run + std::string(1, '\0')), File_Encoding::Win);
}

// Every length of sequence is written; line ends go in as CR and out as CR LF.
TEST(FileEncodingText, EncodesEachLengthOfSequenceAndLineEnd) {
  const std::wstring text = {'a', 0x44F, 0x7FF, 0x800, 0x20AC, 0xD83D, 0xDE00, 0xDC00, 'z'};
  EXPECT_EQ(Encode_File_Text(text, File_Encoding::Utf8_Bom),
            "\xEF\xBB\xBF"
            "a\xD1\x8F\xDF\xBF\xE0\xA0\x80\xE2\x82\xAC\xF0\x9F\x98\x80\xEF\xBF\xBDz");
  EXPECT_EQ(Encode_File_Text(std::wstring(), File_Encoding::Utf8), "");
  EXPECT_EQ(Encode_File_Text(std::wstring(), File_Encoding::Utf8_Bom), "\xEF\xBB\xBF");
  EXPECT_EQ(Disk_To_Working_Text(std::wstring(L"a\r\nb\nc\rd\r\n")), L"a\rb\rc\rd\r");
  EXPECT_EQ(Working_Text_To_Disk(std::wstring(L"a\rb\nc\r\n")), L"a\r\nb\r\nc\r\n");
}

// Every byte of every 8-bit page reads as its chart's character and is
// written back as the same byte; what a page lacks is counted, written '?'.
TEST(FileEncodingText, EightBitPagesKeepAll256BytesAndCountWhatTheyLack) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += char(b);
  const File_Encoding pages[] = {File_Encoding::Win,    File_Encoding::Dos,   File_Encoding::Koi,
                                 File_Encoding::Iso,    File_Encoding::Mac,   File_Encoding::Koi8_U,
                                 File_Encoding::Cp1125, File_Encoding::Ibm855};
  for (const File_Encoding page : pages) {
    const std::wstring text = Decode_File_Text(all, page);
    ASSERT_EQ(text.size(), 256u) << File_Encoding_Name(page);
    EXPECT_EQ(Encode_File_Text(text, page), all) << File_Encoding_Name(page);
    EXPECT_EQ(Characters_Outside_Encoding(text, page, kNulSymbol).Count, 0u) << File_Encoding_Name(page);
    EXPECT_TRUE(Is_8_Bit_Encoding(page));
  }
  EXPECT_EQ(Decode_File_Text("\xF0\xCC\xFC", File_Encoding::Dos), (std::wstring{0x401, 0x2560, 0x2116}));
  EXPECT_EQ(Decode_File_Text("\xB3\xA3", File_Encoding::Koi), (std::wstring{0x401, 0x451}));
  EXPECT_EQ(Decode_File_Text("\xA1\xF0", File_Encoding::Iso), (std::wstring{0x401, 0x2116}));
  EXPECT_EQ(Decode_File_Text("\xDD\xC7", File_Encoding::Mac), (std::wstring{0x401, 0xAB}));
  EXPECT_EQ(Decode_File_Text("\xA4\xA6\xA7\xAD", File_Encoding::Koi8_U),
            (std::wstring{0x454, 0x456, 0x457, 0x491}));
  EXPECT_EQ(Decode_File_Text("\xF2\xF7\xF9", File_Encoding::Cp1125), (std::wstring{0x490, 0x456, 0x457}));
  EXPECT_EQ(Decode_File_Text("\xA0\xA1\x8B", File_Encoding::Ibm855), (std::wstring{0x430, 0x410, 0x406}));
  EXPECT_EQ(Decode_File_Text(all, File_Encoding::Win), Win1251_To_Utf16(all));

  const Characters_Outside lacking =
      Characters_Outside_Encoding(L"\u00AB\u0430\u00BB\uE000", File_Encoding::Koi, kNulSymbol);
  EXPECT_EQ(lacking.Count, 2u);
  EXPECT_EQ(lacking.First, "\xC2\xAB");
  EXPECT_EQ(Encode_File_Text(L"\u00AB\u0430\uE000", File_Encoding::Koi), std::string("?\xC1\0", 3));
  EXPECT_EQ(Characters_Outside_Encoding(L"\u00AB", File_Encoding::Utf8, kNulSymbol).Count, 0u);
  EXPECT_FALSE(Is_8_Bit_Encoding(File_Encoding::Utf16_Le));
  // Without a mark and outside UTF-8 a file is still WIN: a page is a guess about the language.
  EXPECT_EQ(Recognize_File_Encoding("\xF0\xD2\xC9\xD7\xC5\xD4"), File_Encoding::Win);
  // What WIN lacks is counted once a character, a pair included, and the first named.
  const Characters_Outside none = Characters_Outside_Win1251(L"\u0430? \u20AC \u2400", 0x2400);
  EXPECT_EQ(none.Count, 0u);
  EXPECT_EQ(none.First, "");
  const Characters_Outside some =
      Characters_Outside_Win1251(std::wstring{0x430, 0xD83D, 0xDE00, '?', 0x3A9, 0x2400}, 0x2400);
  EXPECT_EQ(some.Count, 2u);  // the pair is one character
  EXPECT_EQ(some.First, "\xF0\x9F\x98\x80");
}

}  // namespace
