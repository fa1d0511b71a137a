#include "text/exact_conversion.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "text/code_page_charts.h"
#include "text/utf8_kernels.h"

namespace {

const char* const Iconv_Names[Chart_Count] = {"CP866",  "ISO-8859-5", "KOI8-R", "MACCYRILLIC",
                                              "CP1251", "KOI8-U",     "CP1125", "IBM855"};

// One byte through the system's iconv; -1 when it refuses it.
long Iconv_One(iconv_t cd, std::uint8_t byte, unsigned char* out, std::size_t out_size,
               std::size_t* written) {
  char in[1] = {static_cast<char>(byte)};
  char* in_ptr = in;
  char* out_ptr = reinterpret_cast<char*>(out);
  std::size_t in_left = 1, out_left = out_size;
  iconv(cd, nullptr, nullptr, nullptr, nullptr);
  if (iconv(cd, &in_ptr, &in_left, &out_ptr, &out_left) == static_cast<std::size_t>(-1)) return -1;
  *written = out_size - out_left;
  return 0;
}

// Where the charts knowingly part from glibc's: 0x98 of 1251 is unassigned
// there, and its Mac Cyrillic is the older one with ¤ where ours has €.
bool Known_Difference(int page, int byte) {
  return (page == Codepage_WIN && byte == 0x98) || (page == Codepage_MAC && byte == 0xFF);
}

bool Known_Difference_Of(int page, char32_t code) {
  return (page == Codepage_WIN && code == 0x98) || (page == Codepage_MAC && (code == 0x20AC || code == 0xA4));
}

std::string One_Byte(int b) { return std::string(1, static_cast<char>(b)); }

TEST(ExactConversion, EveryByteRoundTripsAndAgreesWithIconv) {
  for (int page = 0; page < Chart_Count; ++page) {
    iconv_t to_utf32 = iconv_open("UTF-32LE", Iconv_Names[page]);
    ASSERT_NE(to_utf32, reinterpret_cast<iconv_t>(-1)) << Iconv_Names[page];
    for (int b = 0; b < 256; ++b) {
      const char16_t code = Page_Char(static_cast<Codepage>(page), static_cast<std::uint8_t>(b));
      EXPECT_EQ(Page_Byte(static_cast<Codepage>(page), code), b) << Iconv_Names[page] << " byte " << b;
      const std::string utf8 = Convert_Exact(One_Byte(b), static_cast<Text_Page>(page), Page_UTF8).text;
      EXPECT_EQ(Convert_Exact(utf8, Page_UTF8, static_cast<Text_Page>(page)).text, One_Byte(b));
      unsigned char out[8] = {};
      std::size_t written = 0;
      if (Known_Difference(page, b)) continue;
      ASSERT_EQ(Iconv_One(to_utf32, static_cast<std::uint8_t>(b), out, sizeof out, &written), 0);
      EXPECT_EQ(out[0] | out[1] << 8, code) << Iconv_Names[page] << " byte " << b;
    }
    iconv_close(to_utf32);
  }
}

// Every pair of pages, every byte: the same character or a report of it.
TEST(ExactConversion, PagesAgreeWithIconvOnEveryPair) {
  for (int from = 0; from < Chart_Count; ++from) {
    for (int to = 0; to < Chart_Count; ++to) {
      iconv_t cd = iconv_open(Iconv_Names[to], Iconv_Names[from]);
      for (int b = 0; b < 256; ++b) {
        const char32_t code = Page_Char(static_cast<Codepage>(from), static_cast<std::uint8_t>(b));
        if (Known_Difference_Of(from, code) || Known_Difference_Of(to, code)) continue;
        const Exact_Conversion ours =
            Convert_Exact("ab" + One_Byte(b), static_cast<Text_Page>(from), static_cast<Text_Page>(to), '#');
        unsigned char out[8] = {};
        std::size_t written = 0;
        const bool iconv_has_it = Iconv_One(cd, static_cast<std::uint8_t>(b), out, sizeof out, &written) == 0;
        const int ours_byte = static_cast<std::uint8_t>(ours.text[2]);
        if (iconv_has_it) {
          EXPECT_EQ(ours.missing, 0u) << Iconv_Names[from] << "->" << Iconv_Names[to] << " byte " << b;
          EXPECT_EQ(ours_byte, out[0]) << Iconv_Names[from] << "->" << Iconv_Names[to] << " byte " << b;
        } else if (!iconv_has_it) {
          EXPECT_EQ(ours.missing, 1u) << Iconv_Names[from] << "->" << Iconv_Names[to] << " byte " << b;
          EXPECT_EQ(ours.text, "ab#");
          EXPECT_EQ(ours.first_missing_at, 2u);
          EXPECT_EQ(ours.first_missing, code);
        }
      }
      iconv_close(cd);
    }
  }
}

TEST(ExactConversion, SignsKeepTheirIdentityAndLackingOnesAreCounted) {
  // Ё ё № « » no-break space і ї, then box drawing ─ and ║.
  const std::string text = u8"Ёё№«»\u00a0іЇ";
  const std::string win = Convert_Exact(text, Page_UTF8, Page_WIN).text;
  EXPECT_EQ(win, "\xA8\xB8\xB9\xAB\xBB\xA0\xB3\xAF");
  EXPECT_EQ(Convert_Exact(win, Page_WIN, Page_UTF8).text, text);
  const std::string boxes = u8"─║";
  EXPECT_EQ(Convert_Exact(Convert_Exact(boxes, Page_UTF8, Page_DOS).text, Page_DOS, Page_KOI).text,
            "\x80\xA1");
  // KOI8-R has no №, « », і or Ї: five lacking, the first is № at offset 2.
  const Exact_Conversion koi = Convert_Exact(win, Page_WIN, Page_KOI);
  EXPECT_EQ(koi.text, "\xB3\xA3???\x9A??");
  EXPECT_EQ(koi.missing, 5u);
  EXPECT_EQ(koi.first_missing, U'№');
  EXPECT_EQ(koi.first_missing_at, 2u);
  // A question mark of the text itself is no lacking character, here or
  // beyond the first chunk of work.
  const Exact_Conversion long_one = Convert_Exact(std::string(10000, '?') + win, Page_WIN, Page_KOI);
  EXPECT_EQ(long_one.missing, 5u);
  EXPECT_EQ(long_one.first_missing_at, 10002u);
  EXPECT_EQ(long_one.text, std::string(10000, '?') + koi.text);
}

TEST(ExactConversion, InvalidUtf8IsReportedWhereItStands) {
  struct Case {
    std::string text;
    std::size_t invalid, first_at;
  } const cases[] = {
      {"a\xC0\x80z", 2, 1},        // overlong: both bytes stand alone
      {"ab\xED\xA0\x80", 3, 2},    // a surrogate
      {"\xD0\x9F\x80", 1, 2},      // a stray continuation after П
      {"\xD0\x9F\xE2\x94", 2, 2},  // cut short at the end
      {"\xF4\x90\x80\x80", 4, 0},  // beyond U+10FFFF
  };
  for (const Case& c : cases) {
    const Exact_Conversion result = Convert_Exact(c.text, Page_UTF8, Page_UTF8);
    EXPECT_EQ(result.invalid, c.invalid) << c.text;
    EXPECT_EQ(result.first_invalid_at, c.first_at) << c.text;
  }
}

// Runs of ASCII and of Cyrillic letters go over in bulk: runs longer than a
// chunk of work, a letter the target lacks and a bad byte inside such runs
// still come out one by one, each where it stands.
TEST(ExactConversion, LongRunsOfAsciiAndLettersKeepEveryCharacterInPlace) {
  const std::string ascii(9000, 'a');
  std::string letters, win_letters;
  for (int i = 0; i < 6000; ++i) {
    letters += i % 2 ? u8"я" : u8"Ж";
    win_letters += i % 2 ? "\xFF" : "\xC6";
  }
  const std::string text = ascii + letters + u8"і" + letters + "\x80" + ascii;
  const Exact_Conversion koi = Convert_Exact(text, Page_UTF8, Page_KOI);
  std::string koi_letters;
  for (int i = 0; i < 6000; ++i) koi_letters += i % 2 ? "\xD1" : "\xF6";
  EXPECT_EQ(koi.text, ascii + koi_letters + "?" + koi_letters + "?" + ascii);
  EXPECT_EQ(koi.missing, 1u);
  EXPECT_EQ(koi.first_missing, U'і');
  EXPECT_EQ(koi.first_missing_at, ascii.size() + letters.size());
  EXPECT_EQ(koi.invalid, 1u);
  EXPECT_EQ(koi.first_invalid_at, ascii.size() + 2 * letters.size() + 2);
  const Exact_Conversion win = Convert_Exact(text, Page_UTF8, Page_WIN);
  EXPECT_EQ(win.text, ascii + win_letters + "\xB3" + win_letters + "?" + ascii);
  EXPECT_EQ(Convert_Exact(ascii + win_letters + ascii, Page_WIN, Page_UTF8).text, ascii + letters + ascii);
  EXPECT_EQ(Convert_Exact(text, Page_UTF8, Page_UTF8).text, ascii + letters + u8"і" + letters + "?" + ascii);
  // Between words: a lacking letter and a bad byte right after a space.
  const Exact_Conversion words = Convert_Exact(u8"Жя, я і\x80 ё!", Page_UTF8, Page_KOI);
  EXPECT_EQ(words.text, "\xF6\xD1, \xD1 ?? \xA3!");
  EXPECT_EQ(words.first_missing_at, 9u);
  EXPECT_EQ(words.first_invalid_at, 11u);
}

TEST(ExactConversion, PiecesGiveTheSameAsTheWhole) {
  const std::string text = u8"Съешь же ещё этих мягких «булок» — №5 ─ 😀 é";
  for (const Text_Page to : {Page_WIN, Page_UTF8, Page_DOS}) {
    const Exact_Conversion whole = Convert_Exact(text, Page_UTF8, to);
    for (std::size_t cut = 0; cut <= text.size(); ++cut) {
      Exact_Converter converter(Page_UTF8, to);
      std::string out;
      converter.Convert(std::string_view(text).substr(0, cut), &out);
      converter.Convert(std::string_view(text).substr(cut), &out);
      converter.Finish(&out);
      EXPECT_EQ(out, whole.text) << "cut at " << cut;
      EXPECT_EQ(converter.Report().missing, whole.missing);
      EXPECT_EQ(converter.Report().first_missing_at, whole.first_missing_at);
      EXPECT_EQ(converter.Report().invalid, 0u);
    }
  }
}

// Random text for the kernels: words of letters of every length, signs of
// two and three bytes, a few of four, letters some page lacks, and bytes
// that are no UTF-8, each piece known for what it stands for.
struct Mixed_Text {
  std::string utf8;
  std::vector<long> codes;  // per character; -1 per byte that is no UTF-8
};

void Add(Mixed_Text& text, long code) {
  Append_Utf8(text.utf8, static_cast<char32_t>(code));
  text.codes.push_back(code);
}

Mixed_Text Random_Mix(std::mt19937& random, std::size_t characters) {
  auto pick = [&random](long below) { return static_cast<long>(random() % static_cast<unsigned>(below)); };
  static const long signs[] = {U'Ё', U'ё', U'«', U'»', U'—',  U'№', 0xA0, U'°',
                               U'─', U'€', U'Ґ', U'і', 0x460, 0xDF, 0x80, 0x1F600};
  Mixed_Text text;
  while (text.codes.size() < characters) {
    for (long n = pick(4) == 0 ? 1 + pick(60) : 1 + pick(10); n > 0; --n) Add(text, 0x410 + pick(64));
    switch (pick(8)) {
      case 0:
        Add(text, signs[pick(sizeof signs / sizeof *signs)]);
        break;
      case 1: {
        // A stray continuation, a lead cut short before ASCII, a surrogate.
        static const char* const bad[] = {"\x80", "\xD0", "\xE2\x94", "\xFF", "\xED\xA0\x80", "\xC0\x80"};
        const std::string bytes = bad[pick(6)];
        text.utf8 += bytes;
        text.codes.insert(text.codes.end(), bytes.size(), -1);
        Add(text, 'x');
        break;
      }
      default:
        for (long n = pick(3); n >= 0; --n) Add(text, " ,.\t\r"[pick(5)]);
    }
  }
  return text;
}

// What the pieces say the conversion must give.
Exact_Conversion Expected(const Mixed_Text& text, Text_Page to) {
  Exact_Conversion expected;
  std::size_t at = 0;
  for (const long code : text.codes) {
    std::string form;
    if (code >= 0) Append_Utf8(form, static_cast<char32_t>(code));
    const int b = code < 0 ? -1 : Page_Byte(static_cast<Codepage>(to), static_cast<char32_t>(code));
    if (code < 0 && expected.invalid++ == 0) expected.first_invalid_at = at;
    if (code >= 0 && b < 0 && expected.missing++ == 0) {
      expected.first_missing = static_cast<char32_t>(code);
      expected.first_missing_at = at;
    }
    expected.text += b < 0 ? '?' : static_cast<char>(b);
    at += code < 0 ? 1 : form.size();
  }
  return expected;
}

std::vector<Utf8_Kernel> Utf8_Kernels() {
  std::vector<Utf8_Kernel> kernels;
  for (Utf8_Kernel k : {Utf8_Kernel::Scalar, Utf8_Kernel::Sse41, Utf8_Kernel::Avx2, Utf8_Kernel::Avx512})
    if (Utf8_Kernel_Available(k)) kernels.push_back(k);
  return kernels;
}

// The text through one kernel, cut into pieces at random unless whole.
Exact_Conversion Through(Utf8_Kernel kernel, const std::string& text, Text_Page from, Text_Page to,
                         std::mt19937* cuts) {
  Exact_Converter converter(from, to);
  converter.Use_Kernel(kernel);
  Exact_Conversion result;
  for (std::size_t at = 0; at < text.size();) {
    const std::size_t size = cuts ? (*cuts)() % 300 : text.size();
    converter.Convert(std::string_view(text).substr(at, size), &result.text);
    at += size;
  }
  converter.Finish(&result.text);
  const std::string converted = std::move(result.text);
  result = converter.Report();
  result.text = converted;
  return result;
}

void Expect_Same(const Exact_Conversion& got, const Exact_Conversion& expected, const std::string& what) {
  EXPECT_EQ(got.text, expected.text) << what;
  EXPECT_EQ(got.missing, expected.missing) << what;
  EXPECT_EQ(got.first_missing, expected.first_missing) << what;
  EXPECT_EQ(got.first_missing_at, expected.first_missing_at) << what;
  EXPECT_EQ(got.invalid, expected.invalid) << what;
  EXPECT_EQ(got.first_invalid_at, expected.first_invalid_at) << what;
}

// Every kernel and the careful path alone give what the pieces say, with
// every alignment of the text to the blocks, whole and in random pieces.
TEST(ExactConversion, EveryKernelGivesWhatTheCarefulPathGives) {
  std::mt19937 random(866);
  const Mixed_Text mix = Random_Mix(random, 1500);
  for (std::size_t shift = 0; shift < 70; shift += 3) {
    Mixed_Text text;
    text.codes.assign(shift, 'a');
    text.utf8.assign(shift, 'a');
    text.codes.insert(text.codes.end(), mix.codes.begin(), mix.codes.end());
    text.utf8 += mix.utf8;
    std::string page_text;  // every byte of a page, letters and ASCII most
    for (std::size_t i = 0; i < text.utf8.size() / 2; ++i) {
      const unsigned r = random();
      page_text += static_cast<char>(r % 4 == 0   ? r >> 8
                                     : r % 4 == 1 ? 0x20 + (r >> 8) % 0x60
                                                  : 0xC0 + (r >> 8) % 64);
    }
    for (int p = 0; p < Codepage_Count; ++p) {
      const auto page = static_cast<Text_Page>(p);
      const Exact_Conversion expected = Expected(text, page);
      std::string expected_utf8;
      for (const char c : page_text) Append_Utf8(expected_utf8, Page_Char(static_cast<Codepage>(p), c));
      for (const Utf8_Kernel kernel : Utf8_Kernels()) {
        const std::string what = std::string(Text_Page_Name(page)) + ", kernel " +
                                 std::to_string(static_cast<int>(kernel)) + ", shift " +
                                 std::to_string(shift);
        Expect_Same(Through(kernel, text.utf8, Page_UTF8, page, nullptr), expected, what);
        Expect_Same(Through(kernel, text.utf8, Page_UTF8, page, &random), expected, what + ", in pieces");
        EXPECT_EQ(Through(kernel, page_text, page, Page_UTF8, &random).text, expected_utf8) << what;
      }
    }
  }
}

// A character no kernel takes, after every number of bytes that a block can
// hold before it: what precedes it stands, and it is counted where it is.
TEST(ExactConversion, EveryKernelStopsAtTheCharacterItCannotTakeInEveryLane) {
  for (const long trouble : {long{U'—'}, long{U'і'}, long{U'Ґ'}, -1L}) {
    for (int before = 0; before < 140; ++before) {
      Mixed_Text text;
      std::string page_text, page_utf8;  // — among ж and ё in WIN
      for (int i = 0; i < before; ++i) {
        Add(text, i % 3 ? U'ж' : U'a');
        page_text += i % 3 ? '\xE6' : 'a';
        page_utf8 += i % 3 ? u8"ж" : "a";
      }
      if (trouble < 0) {
        text.utf8 += '\x80';
        text.codes.push_back(-1);
      } else {
        Add(text, trouble);
      }
      page_text += '\x97';
      page_utf8 += u8"—";
      for (int i = 0; i < 80; ++i) {
        Add(text, U'ё');
        page_text += '\xB8';
        page_utf8 += u8"ё";
      }
      for (const Utf8_Kernel kernel : Utf8_Kernels()) {
        const std::string what = "kernel " + std::to_string(static_cast<int>(kernel)) + ", " +
                                 std::to_string(before) + " before " + std::to_string(trouble);
        Expect_Same(Through(kernel, text.utf8, Page_UTF8, Page_KOI, nullptr), Expected(text, Page_KOI), what);
        Expect_Same(Through(kernel, text.utf8, Page_UTF8, Page_WIN, nullptr), Expected(text, Page_WIN), what);
        EXPECT_EQ(Through(kernel, page_text, Page_WIN, Page_UTF8, nullptr).text, page_utf8) << what;
      }
    }
  }
}

// The tool's own names and the ones people use, in any case.
TEST(ExactConversion, PageNames) {
  const std::pair<const char*, Text_Page> names[] = {{"koi", Page_KOI},          {"KOI8-R", Page_KOI},
                                                     {"koi8-u", Page_KOI8U},     {"cp866", Page_DOS},
                                                     {"IBM866", Page_DOS},       {"CP1125", Page_CP1125},
                                                     {"ibm855", Page_IBM855},    {"ISO-8859-5", Page_ISO},
                                                     {"MacCyrillic", Page_MAC},  {"x-mac-cyrillic", Page_MAC},
                                                     {"Windows-1251", Page_WIN}, {"cp1251", Page_WIN},
                                                     {"utf8", Page_UTF8},        {"UTF-16le", Page_UTF16LE},
                                                     {"UTF-16BE", Page_UTF16BE}, {"utf-16", Page_UTF16}};
  for (const auto& [name, expected] : names) {
    Text_Page page = Page_DOS;
    EXPECT_TRUE(Parse_Text_Page(name, &page)) << name;
    EXPECT_EQ(page, expected) << name;
  }
  EXPECT_STREQ(Text_Page_Name(Page_CP1125), "CP1125");
  Text_Page page = Page_UTF8;
  EXPECT_FALSE(Parse_Text_Page("KOI8", &page));
  EXPECT_EQ(page, Page_UTF8);
}

// UTF-16 both ways, in pieces cut anywhere: the mark read and dropped, the
// order told without one, pairs joined across pieces, a lone surrogate and an
// odd last byte reported, and UTF-16 written with its mark only when asked.
TEST(ExactConversion, Utf16ReadAndWrittenInAnyPieces) {
  const std::string text = u8"Ёж ґ \U0001F600 ok";
  const std::u16string units = u"Ёж ґ \U0001F600 ok";
  std::string le, be;
  for (const char16_t u : units) {
    le += {static_cast<char>(u & 0xFF), static_cast<char>(u >> 8)};
    be += {static_cast<char>(u >> 8), static_cast<char>(u & 0xFF)};
  }
  const auto in_pieces = [](const std::string& bytes, Text_Page from, Text_Page to, std::size_t piece) {
    Exact_Converter converter(from, to);
    std::string out;
    for (std::size_t at = 0; at < bytes.size(); at += piece) converter.Convert(bytes.substr(at, piece), &out);
    converter.Finish(&out);
    return std::make_pair(out, converter.Report());
  };
  for (const std::size_t piece : {1u, 3u, 1000u}) {
    EXPECT_EQ(in_pieces("\xFF\xFE" + le, Page_UTF16, Page_UTF8, piece).first, text) << piece;
    EXPECT_EQ(in_pieces("\xFE\xFF" + be, Page_UTF16, Page_UTF8, piece).first, text) << piece;
    EXPECT_EQ(in_pieces(le, Page_UTF16, Page_UTF8, piece).first, text) << piece;  // told by its zero bytes
    EXPECT_EQ(in_pieces("\xFF\xFE" + le, Page_UTF16LE, Page_UTF8, piece).first, text) << piece;
    EXPECT_EQ(in_pieces(text, Page_UTF8, Page_UTF16BE, piece).first, be) << piece;
    EXPECT_EQ(in_pieces(text, Page_UTF8, Page_UTF16, piece).first, "\xFF\xFE" + le) << piece;
  }
  EXPECT_EQ(Convert_Exact(le.substr(0, 6), Page_UTF16LE, Page_KOI8U).text, "\xB3\xD6 ");
  const Exact_Conversion koi = Convert_Exact(le, Page_UTF16LE, Page_KOI, '?');
  EXPECT_EQ(koi.missing, 2u);  // ґ and the face
  EXPECT_EQ(koi.first_missing_at, 6u);
  const Exact_Conversion broken =
      Convert_Exact(std::string("\x3D\xD8\x41\x00\x42", 5), Page_UTF16LE, Page_UTF8);
  EXPECT_EQ(broken.text, "?A?");
  EXPECT_EQ(broken.invalid, 2u);
  EXPECT_EQ(broken.first_invalid_at, 0u);
}

}  // namespace
