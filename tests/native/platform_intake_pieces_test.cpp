#include "platform/intake_pieces.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <string>

#include "common/control_text.h"
#include "common/file_encoding.h"
#include "common/line_ends.h"
#include "platform/intake_source.h"
#include "common/command_ids.h"
#include "documents/whole_text_need.h"

namespace {

// The pieces a text is cut into at a fixed wanted size, joined back.
std::wstring Joined_Pieces(const std::wstring& text, std::size_t wanted, std::size_t* count = nullptr) {
  std::wstring joined;
  std::size_t pieces = 0;
  for (std::size_t at = 0; at < text.size(); ++pieces) {
    const std::size_t end = Piece_End(text, at, wanted);
    EXPECT_GT(end, at);
    joined += text.substr(at, end - at);
    at = end;
  }
  if (count) *count = pieces;
  return joined;
}

}  // namespace

// A piece ends behind a line break in its last quarter, else behind a
// space there, else where wanted; never inside a surrogate pair.
TEST(IntakePieces, PieceEndsBehindALineBreakOrSpaceAndKeepsPairsWhole) {
  EXPECT_EQ(Piece_End(L"aaaa\rbbbbbb\rcc cc cc", 0, 14), 12u);
  EXPECT_EQ(Piece_End(L"aaaa\rbbbbbb\rcc cc cc", 0, 8), 8u);  // the first CR lies before the last quarter
  EXPECT_EQ(Piece_End(L"xxxxxxxxx\r x x", 0, 12), 10u);       // a line break wins over a later space
  EXPECT_EQ(Piece_End(L"one two three four five six", 0, 15), 14u);
  EXPECT_EQ(Piece_End(L"one two three four five six", 0, 13), 13u);
  const std::wstring plain(100, L'x');
  EXPECT_EQ(Piece_End(plain, 10, 30), 40u);
  EXPECT_EQ(Piece_End(plain, 90, 30), 100u);
  EXPECT_EQ(Piece_End(plain, 100, 30), 100u);
  std::wstring pair(10, L'x');
  pair[4] = wchar_t(0xD83D);
  pair[5] = wchar_t(0xDE00);
  EXPECT_EQ(Piece_End(pair, 0, 5), 4u);
  EXPECT_EQ(Piece_End(pair, 4, 1), 6u);
}

TEST(IntakePieces, PiecesJoinBackToTheWholeText) {
  std::wstring text;
  for (int i = 0; i < 5000; ++i) text += (i % 7 == 0) ? L"\r" : (i % 3 == 0) ? L" " : L"\x0436";
  text += wchar_t(0xD83D);
  text += wchar_t(0xDE00);
  for (std::size_t wanted : {1u, 2u, 3u, 17u, 1000u, 100000u}) EXPECT_EQ(Joined_Pieces(text, wanted), text);
  std::size_t count = 0;
  Joined_Pieces(std::wstring(1000, L'y'), 100, &count);
  EXPECT_EQ(count, 10u);
}

// A file's bytes, converted a piece at a time, give the very pieces that the
// text made whole first would give: line ends of every kind split anywhere,
// NUL bytes and 0x98 of Windows-1251, the other pages' upper halves, UTF-8
// sequences of every length and a byte-order mark included. The survey that
// sizes the pieces names the encoding as the recogniser does and counts the
// line ends as a plain count does, a CR LF or a sequence cut by the end of
// one of its blocks included.
TEST(IntakePieces, FileBytesComeOutAsTheWholeConvertedTextWould) {
  std::mt19937 random(7);
  const std::string win1251("ab \xE6\xFF\t\r\n\r\n\0\x98", 12);
  const std::string utf8[] = {
      "a", " ", "\t", "\r", "\n", "\r\n", "\xD0\xB6", "\xE2\x80\x94", "\xF0\x9F\x98\x80"};
  const File_Encoding encodings[] = {File_Encoding::Win, File_Encoding::Utf8, File_Encoding::Utf8_Bom,
                                     File_Encoding::Koi, File_Encoding::Dos};
  for (int round = 0; round < 75; ++round) {
    const File_Encoding encoding = encodings[round % 5];
    const bool page = Is_8_Bit_Encoding(encoding);
    std::string bytes = encoding == File_Encoding::Utf8_Bom ? "\xEF\xBB\xBF" : "";
    const int length = round < 5 ? 0 : int(random() % 3000);
    for (int i = 0; i < length; ++i)
      bytes += page ? std::string(1, encoding != File_Encoding::Win && random() % 3 == 0
                                         ? char(0x80 + random() % 0x80)
                                         : win1251[random() % win1251.size()])
                    : utf8[random() % std::size(utf8)];
    if (round == 5) bytes = std::string(5000, 'z') + "\r";
    if (round == 6) bytes = std::string(65535, 'a') + "\r\n\r" + std::string(70000, 'b') + "\n";
    if (round == 7)
      bytes = "\xEF\xBB\xBF" + std::string(65535, 'a') + "\xD0\xB6\r" + std::string(65533, 'c') + "\r\n";
    const File_Survey survey = Survey_File(bytes);
    EXPECT_EQ(survey.Encoding, Recognize_File_Encoding(bytes)) << "round " << round;
    Line_End_Counter counted;
    counted.Add(bytes.data(), bytes.size());
    const Line_End_Count ends = counted.Count();
    EXPECT_TRUE(survey.Ends.Cr_Lf == ends.Cr_Lf && survey.Ends.Lf == ends.Lf && survey.Ends.Cr == ends.Cr)
        << "round " << round;
    std::wstring whole = encoding == File_Encoding::Win
                             ? Document_To_Control_Text(Disk_To_Working_Text(bytes))
                             : Disk_To_Working_Text(Decode_File_Text(bytes, encoding));
    if (page) std::replace(whole.begin(), whole.end(), L'\0', kNulSymbol);
    EXPECT_EQ(File_To_Control_Text(bytes, encoding), whole);
    const auto file = File_Intake_Source(Hold_File_Bytes(bytes), encoding);
    const auto wide = Wide_Intake_Source(whole);
    ASSERT_EQ(file->Size(), whole.size()) << "round " << round;
    EXPECT_EQ(file->Longest_Run(), Longest_Unbroken_Run(whole)) << "round " << round;
    EXPECT_EQ(wide->Longest_Run(), Longest_Unbroken_Run(whole));
    std::wstring from_file, from_wide, joined;
    do {
      const std::size_t wanted = 1 + random() % 200;
      file->Next(wanted, from_file);
      wide->Next(wanted, from_wide);
      ASSERT_EQ(from_file, from_wide) << "round " << round << " at " << joined.size();
      joined += from_file;
    } while (!from_file.empty());
    EXPECT_EQ(joined, whole);
  }
}

TEST(IntakePieces, TheLongestRunEndsAtSpacesTabsAndLineBreaks) {
  EXPECT_EQ(Longest_Unbroken_Run(L""), 0u);
  EXPECT_EQ(Longest_Unbroken_Run(L"ab cde\tf\rghij\nk"), 4u);
  EXPECT_EQ(Longest_Unbroken_Run(std::wstring(3000, L'x') + L" y"), 3000u);
  EXPECT_EQ(Longest_Unbroken_Run(L"   "), 0u);
}

TEST(IntakePieces, PiecesAreSizedByTheWindowAndByTheirTime) {
  // Two screens of characters a third as wide as the line is high.
  EXPECT_GE(First_Piece_Chars(800, 600, 15), 2u * (600 / 15) * (800 / 5));
  EXPECT_LT(First_Piece_Chars(800, 600, 15), First_Piece_Chars(1600, 1200, 15));
  EXPECT_EQ(First_Piece_Chars(0, 0, 0), kLeastPieceChars);
  EXPECT_EQ(First_Piece_Chars(7680, 4320, 6), kFirstPieceChars);

  EXPECT_EQ(Next_Piece_Chars(100000, kPieceMilliseconds), 100000u);
  EXPECT_EQ(Next_Piece_Chars(100000, kPieceMilliseconds / 2), 200000u);
  EXPECT_EQ(Next_Piece_Chars(100000, kPieceMilliseconds * 10), 50000u);
  EXPECT_EQ(Next_Piece_Chars(100000, 0), 200000u);
  EXPECT_EQ(Next_Piece_Chars(10, 1000), kLeastPieceChars);
  EXPECT_EQ(Next_Piece_Chars(kMostPieceChars, 1), kMostPieceChars);
}

TEST(IntakePieces, ProgressTextShowsTheShareIn) {
  EXPECT_EQ(Intake_Progress_Text(0, 1000), "Загружено: 0%");
  EXPECT_EQ(Intake_Progress_Text(371, 1000), "Загружено: 37%");
  EXPECT_EQ(Intake_Progress_Text(1000, 1000), "Загружено: 100%");
  EXPECT_EQ(Intake_Progress_Text(std::size_t(1) << 31, std::size_t(1) << 32), "Загружено: 50%");
}

// Moving about the part that is in, Esc, and dropping an unchanged
// document go on without the rest; whatever reads or changes the text, or
// may save it, waits for it.
TEST(IntakePieces, OnlyMovingAboutAndDroppingAnUnchangedDocumentGoWithoutTheWholeText) {
  for (unsigned key : {0x21u, 0x22u, 0x24u, 0x25u, 0x26u, 0x27u, 0x28u, 0x10u, 0x11u, 0x1Bu})
    EXPECT_FALSE(Key_Needs_Whole_Text(key, false)) << key;
  for (int command : {IDM_Exit, IDM_New, IDM_Open, IDM_Recent_3, IDM_About, IDM_Options}) {
    EXPECT_FALSE(Command_Needs_Whole_Text(command, false)) << command;
    EXPECT_EQ(Command_Needs_Whole_Text(command, true), command != IDM_About && command != IDM_Options)
        << command;
  }
  for (int command : {IDM_Save, IDM_Save_As, IDM_DOS_WIN, IDM_Find, IDM_Select_All, IDM_Print})
    EXPECT_TRUE(Command_Needs_Whole_Text(command, false)) << command;
  EXPECT_FALSE(Close_Needs_Whole_Text(false));
  EXPECT_TRUE(Close_Needs_Whole_Text(true));
  EXPECT_FALSE(Key_Needs_Whole_Text(0x23, false));  // End of the line
  EXPECT_TRUE(Key_Needs_Whole_Text(0x23, true));    // Ctrl+End
  for (unsigned key : {0x41u, 0x08u, 0x2Eu, 0x0Du, 0x20u, 0x2Du, 0x56u})
    EXPECT_TRUE(Key_Needs_Whole_Text(key, false)) << key;
}
