// The frame of the twenty code-page conversions and their check marks.
#include <gtest/gtest.h>

#include <string>

#include "common/command_ids.h"
#include "fakes/text_frame_fakes.h"
#include "text/code_page_charts.h"
#include "text/codepages.h"
#include "text/conversion_frame.h"
#include "text/recode_frame.h"
#include "text/text_as_bytes.h"

namespace {

TEST(TextFrameConversion, WholeDocumentOneUndoStepCaretBackClipboardMarked) {
  Text_Frame_Fixture f;
  const std::string dos = "\x8F\xE0\xA8\xA2\xA5\xE2, \x8C\xA8\xE0\r";  // Привет, Мир in DOS
  f.edit.text = dos;
  f.Select(3, 7);
  ASSERT_TRUE(Convert_Document(f.host, IDM_DOS_WIN));
  EXPECT_EQ(f.edit.text, "\xCF\xF0\xE8\xE2\xE5\xF2, \xCC\xE8\xF0\r");
  EXPECT_EQ(f.edit.sel.Start, 3);
  EXPECT_EQ(f.edit.sel.End, 3);
  EXPECT_TRUE(f.edit.modified);
  ASSERT_EQ(f.edit.undo.size(), 1u);
  EXPECT_EQ(f.edit.undo[0], dos);
  EXPECT_EQ(f.clipboard.held, f.edit.text);
  EXPECT_EQ(f.marks, (std::vector<int>{IDM_DOS_WIN}));
  EXPECT_EQ(f.keyboard.activated, (std::vector<std::string>{"00000419", "00000409"}));
  EXPECT_TRUE(f.edit.Undo());
  EXPECT_EQ(f.edit.text, dos);
}

TEST(TextFrameConversion, EmptyDocumentTouchesNothing) {
  Text_Frame_Fixture f;
  f.clipboard.held = "before";
  EXPECT_FALSE(Convert_Document(f.host, IDM_KOI_WIN));
  EXPECT_EQ(f.clipboard.writes, 0);
  EXPECT_EQ(f.clipboard.held, "before");
  EXPECT_TRUE(f.marks.empty());
  EXPECT_TRUE(f.edit.undo.empty());
  EXPECT_FALSE(f.edit.modified);
  EXPECT_TRUE(f.keyboard.activated.empty());
}

TEST(TextFrameConversion, ClipboardHeldByAnotherProgramStillConverts) {
  Text_Frame_Fixture f;
  f.clipboard.held = "foreign text";
  f.clipboard.refuses = true;
  f.edit.text = "\xE1\xC2";  // Аб in KOI
  f.Select(1, 1);
  ASSERT_TRUE(Convert_Document(f.host, IDM_KOI_WIN));
  EXPECT_EQ(f.edit.text, "\xC0\xE1");
  EXPECT_EQ(f.clipboard.held, "foreign text");
  EXPECT_EQ(f.edit.sel.Start, 1);
  EXPECT_EQ(f.marks, (std::vector<int>{IDM_KOI_WIN}));
}

// Every byte of KOI whose character WIN holds too, Ё, ё, ° and the no-break
// space among them.
std::string Koi_Shared_With_Win() {
  std::string shared;
  for (int b = 0; b < 256; ++b)
    if (Page_Byte(Codepage_WIN, Page_Char(Codepage_KOI, std::uint8_t(b))) >= 0) shared += char(b);
  return shared;
}

TEST(TextFrameConversion, KoiWinAndBackRestoresEverySharedCharacterInTwoUndoSteps) {
  Text_Frame_Fixture f;
  const std::string koi = Koi_Shared_With_Win();
  ASSERT_GT(koi.size(), 128u + 64u);
  f.edit.text = koi;
  f.Select(200, 200);
  Convert_Document(f.host, IDM_KOI_WIN);
  EXPECT_EQ(Bytes_As_Text(f.edit.text, Page_WIN), Bytes_As_Text(koi, Page_KOI));
  Convert_Document(f.host, IDM_WIN_KOI);
  EXPECT_EQ(f.edit.text, koi);
  EXPECT_EQ(f.edit.sel.Start, 200);
  EXPECT_EQ(f.edit.undo.size(), 2u);
  EXPECT_EQ(f.marks, (std::vector<int>{IDM_KOI_WIN, IDM_WIN_KOI}));
}

TEST(TextFrameConversion, ALongConversionShowsItsProgressAndEscLeavesTheTextAlone) {
  Text_Frame_Fixture f;
  const std::string dos(200000, '\xA5');  // е
  f.edit.text = dos;
  std::vector<std::string> marks;
  f.window.on_pump = [&] { marks.push_back(f.panels.panels[3]); };
  f.window.stop_at_pump = 5;
  f.clipboard.held = "before";
  EXPECT_FALSE(Run_Stoppable(f.panels, [&] { Convert_Document(f.host, IDM_DOS_WIN); }));
  EXPECT_EQ(marks, (std::vector<std::string>{"|", "||", "|||", "||||", "|||||"}));
  EXPECT_EQ(f.edit.text, dos);
  EXPECT_TRUE(f.edit.undo.empty());
  EXPECT_EQ(f.clipboard.held, "before");
  EXPECT_TRUE(f.marks.empty());
  EXPECT_EQ(f.panels.panels[1], " Команда прервана");
  EXPECT_EQ(f.panels.panels[2], " Вставка");
  EXPECT_EQ(f.panels.panels[3], "");
  EXPECT_TRUE(f.window.enabled);
}

TEST(TextFrameConversion, EachMenuIdFindsItsOwnConversionAndNoOtherIdFindsOne) {
  for (const Conversion& c : Conversions) EXPECT_EQ(Conversion_Of(c.Menu_Id), &c) << c.Menu_Id;
  for (int id : {No_Conversion, IDM_DOS_WIN - 1, IDM_Recognize_Page, IDM_Retype_To_Russian, -IDM_KOI_WIN})
    EXPECT_EQ(Conversion_Of(id), nullptr) << id;
  Text_Frame_Fixture f;
  f.edit.text = "\xE1\xC2";  // Аб in KOI
  EXPECT_FALSE(Convert_Document(f.host, IDM_Retype_To_Russian));
  EXPECT_EQ(f.edit.text, "\xE1\xC2");
  EXPECT_TRUE(f.marks.empty());
  EXPECT_EQ(f.clipboard.writes, 0);
}

// The document as UTF-16 with an undo history of whole texts.
struct Fake_Unicode_Edit : Unicode_Edit {
  std::wstring text;
  std::vector<std::wstring> undo;
  std::wstring Text() override { return text; }
  void Replace_Text(const std::wstring& fresh) override {
    undo.push_back(text);
    text = fresh;
  }
};

// "Ёлка в 1917 году: привет, мир! Жёлтые листья" written in KOI8-R and read as WIN.
std::wstring Koi_Read_As_Win() {
  const std::string koi =
      "\xB3\xCC\xCB\xC1 \xD7 1917 \xC7\xCF\xC4\xD5: \xD0\xD2\xC9\xD7\xC5\xD4, \xCD\xC9\xD2! "
      "\xF6\xA3\xCC\xD4\xD9\xC5 \xCC\xC9\xD3\xD4\xD8\xD1\r";
  return Bytes_As_Text(koi, Page_WIN);
}

TEST(TextFrameRecode, RecognisesThePageAndReadsTheTextInItInOneUndoStep) {
  Text_Frame_Fixture f;
  Fake_Unicode_Edit edit;
  edit.text = Koi_Read_As_Win();
  f.Select(4, 9);
  Recognize_Page_Command(f.host, edit);
  EXPECT_EQ(edit.text.substr(0, 4), L"\u0401\u043B\u043A\u0430");                          // Ёлка
  EXPECT_NE(edit.text.find(L"\u0416\u0451\u043B\u0442\u044B\u0435"), std::wstring::npos);  // Жёлтые
  ASSERT_EQ(edit.undo.size(), 1u);
  EXPECT_EQ(edit.undo[0], Koi_Read_As_Win());
  EXPECT_EQ(f.panels.panels[1], " Распознано: KOI");
  EXPECT_EQ(f.edit.sel.Start, 4);
  EXPECT_EQ(f.edit.sel.End, 4);
  EXPECT_EQ(f.marks, (std::vector<int>{No_Conversion}));
  EXPECT_TRUE(f.window.notices.empty());

  // Now WIN, a second run changes nothing and says so.
  Recognize_Page_Command(f.host, edit);
  EXPECT_EQ(edit.undo.size(), 1u);
  EXPECT_EQ(f.panels.panels[1], " Распознано: WIN");
  EXPECT_EQ(f.window.notices, (std::vector<std::string>{kAlready_Win_Notice}));

  // KOI read as WIN and saved as UTF-8, that file read as WIN: one step.
  const std::wstring koi_in_utf8 = Utf8_Bytes_As_Win1251(Koi_Read_As_Win());
  edit.text = koi_in_utf8;
  Recognize_Page_Command(f.host, edit);
  EXPECT_EQ(edit.text.substr(0, 4), L"\u0401\u043B\u043A\u0430");  // Ёлка
  ASSERT_EQ(edit.undo.size(), 2u);
  EXPECT_EQ(edit.undo[1], koi_in_utf8);
  EXPECT_EQ(f.panels.panels[1], " Распознано: KOI ×2");
}

// "Le programme ne peut pas ouvrir le fichier, car il n'est plus là, hélas." in
// Windows-1252: a page the detector does not read.
const std::string French_1252 =
    "Le programme ne peut pas ouvrir le fichier, car il n\x92"
    "est plus l\xE0, h\xE9las.";

TEST(TextFrameRecode, TooLittleRussianATextItCannotTellOrCharactersOutsideWinChangeNothing) {
  Text_Frame_Fixture f;
  Fake_Unicode_Edit edit;
  edit.text = L"plain ASCII";
  Recognize_Page_Command(f.host, edit);
  EXPECT_EQ(f.panels.panels[1], kNot_Recognized_Status);
  edit.text = Bytes_As_Text(French_1252, Page_WIN);
  Recognize_Page_Command(f.host, edit);
  EXPECT_EQ(f.panels.panels[1], kNot_Recognized_Status);
  edit.text = Koi_Read_As_Win() + L"\u2561";  // a DOS box sign: no byte of WIN
  Recognize_Page_Command(f.host, edit);
  Utf8_To_Win_Command(f.host, edit);
  EXPECT_TRUE(edit.undo.empty());
  ASSERT_EQ(f.window.notices.size(), 4u);
  EXPECT_EQ(f.window.notices[0], kNot_Recognized_Notice);
  EXPECT_EQ(f.window.notices[1], kNot_Recognized_Notice);
  EXPECT_EQ(f.window.notices[2], Not_File_Bytes_Notice("\xE2\x95\xA1"));
  EXPECT_EQ(f.window.notices[3], f.window.notices[2]);
}

// Each UTF-8 conversion undoes the other, the NUL sign included.
TEST(TextFrameRecode, Utf8AndWinConversionsUndoEachOther) {
  Text_Frame_Fixture f;
  Fake_Unicode_Edit edit;
  const std::wstring unicode = L"\u041F\u0440\u0438 \u2116 \u00AB\u2014\u00BB \u2561 \xD83D\xDE00 \uE000\r";
  edit.text = unicode;
  Win_To_Utf8_Command(f.host, edit);
  EXPECT_EQ(edit.text.substr(0, 2), L"\u0420\u045F");  // П as UTF-8 D0 9F read as WIN
  EXPECT_TRUE(Text_As_Win1251_Bytes(edit.text).has_value());
  Utf8_To_Win_Command(f.host, edit);
  EXPECT_EQ(edit.text, unicode);
  EXPECT_EQ(edit.undo.size(), 2u);
  EXPECT_TRUE(f.window.notices.empty());

  edit.text = L"\u041F\u0440\u0438";  // При in WIN is no UTF-8
  Utf8_To_Win_Command(f.host, edit);
  EXPECT_EQ(edit.text, L"\u041F\u0440\u0438");
  EXPECT_EQ(f.window.notices, (std::vector<std::string>{kNot_Utf8_Notice}));
}

TEST(TextFrameRecode, FilesOpenInTheRecognisedPageOnlyWhenItReadsDifferently) {
  std::string koi;
  for (const wchar_t c : Koi_Read_As_Win()) koi += char(Text_As_Win1251_Bytes(std::wstring(1, c))->at(0));
  EXPECT_EQ(Recognize_File_Page(koi), File_Encoding::Koi);
  // "Ґанок і ґрунт, її кінь і їжак" in KOI8-U, CP1125 and IBM855.
  const std::wstring ukrainian =
      L"\u0490\u0430\u043D\u043E\u043A \u0456 \u0491\u0440\u0443\u043D\u0442, \u0457\u0457 "
      L"\u043A\u0456\u043D\u044C \u0456 \u0457\u0436\u0430\u043A";
  for (const File_Encoding page : {File_Encoding::Koi8_U, File_Encoding::Cp1125})
    EXPECT_EQ(Recognize_File_Page(Encode_File_Text(ukrainian, page)), page) << File_Encoding_Name(page);
  EXPECT_EQ(Recognize_File_Page(Encode_File_Text(ukrainian.substr(7), File_Encoding::Ibm855)),
            File_Encoding::Ibm855);
  EXPECT_EQ(Recognize_File_Page("plain ASCII\r\n"), File_Encoding::Win);
  EXPECT_EQ(Recognize_File_Page(French_1252), File_Encoding::Win);  // a page it does not read
  EXPECT_EQ(Recognize_File_Page(*Text_As_Win1251_Bytes(
                L"\u0441\u044A\u0435\u0448\u044C \u044D\u0442\u0438\u0445 \u0431\u0443\u043B\u043E\u043A")),
            File_Encoding::Win);  // small letters read alike in MAC and WIN
}

}  // namespace
