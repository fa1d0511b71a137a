// New, open, save and save as over fakes, with their failures.
#include <gtest/gtest.h>

#include "documents/encoding_choice.h"

#include "documents/document_files.h"
#include "fakes/documents_fakes.h"

namespace {

// Every test of New, open and save starts from the same fakes.
class Documents : public ::testing::Test {
 protected:
  Document_Fixture f;
};
using DocumentsNew = Documents;
using DocumentsOpen = Documents;
using DocumentsSave = Documents;
using DocumentsSaveAs = Documents;
using DocumentsHistoryLoad = Documents;
using DocumentsEncoding = Documents;

// An unmodified document becomes untitled in caption and title; after No to
// the question the caption changes and the title does not.
TEST_F(DocumentsNew, TheCaptionBecomesUntitledAndTheTitleOnlyWithoutChanges) {
  f.doc.Name = f.doc.Title = "C:\\Docs\\a.txt";
  f.window.Show_Document();
  f.edit.text = "old";
  New_Document(f.s);
  EXPECT_EQ(f.edit.text, "");
  EXPECT_EQ(f.window.caption, "Лировушка.txt");
  EXPECT_EQ(f.window.title, "Лировушка.txt");
  EXPECT_TRUE(f.prompts.asked.empty());

  f.Modified_Document("C:\\Docs\\a.txt");
  f.doc.Title = "C:\\Docs\\a.txt";
  f.window.Show_Document();
  f.prompts.answers = {Answer::No};
  New_Document(f.s);
  EXPECT_EQ(f.edit.text, "");
  EXPECT_FALSE(f.edit.modified);
  EXPECT_EQ(f.window.caption, "Лировушка.txt");
  EXPECT_EQ(f.window.title, "C:\\Docs\\a.txt");
  EXPECT_EQ(f.current_path, "C:\\Docs\\start.txt");
  EXPECT_TRUE(f.find_next_ready);

  f.Modified_Document("C:\\Docs\\a.txt");
  f.prompts.answers = {Answer::Cancel};
  New_Document(f.s);
  EXPECT_EQ(f.edit.text, "changed");
  EXPECT_EQ(f.window.caption, "C:\\Docs\\a.txt");
}

TEST_F(DocumentsOpen, LoadsTheChosenFileAndSetsEverythingThatFollows) {
  f.disk.files["C:\\Docs\\b.txt"] = "one\r\ntwo\nthree\rfour";
  f.dialogs.answers = {std::string("C:\\Docs\\b.txt")};
  f.keys.current = 0x04090409u;
  Open_Document(f.s);
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.shown[0].folder, "C:\\Docs\\start.txt");
  EXPECT_EQ(f.edit.text, "one\rtwo\rthree\rfour");
  EXPECT_EQ(f.window.caption, "C:\\Docs\\b.txt");
  EXPECT_EQ(f.window.title, "C:\\Docs\\b.txt");
  EXPECT_EQ(f.current_path, "C:\\Docs\\b.txt");
  EXPECT_EQ(f.history.Files.Names[0], "C:\\Docs\\b.txt");
  EXPECT_EQ(f.history.Files.Positions[0], "0");
  EXPECT_FALSE(f.edit.modified);
  EXPECT_FALSE(f.find_next_ready);
  // One of each kind of line end: the tie goes to CR LF, and the file was mixed.
  EXPECT_EQ(f.doc.Encoding, File_Encoding::Win);
  EXPECT_EQ(f.doc.Ends, Line_End::Cr_Lf);
  EXPECT_TRUE(f.doc.Mixed_Ends);
  EXPECT_EQ(f.shell.recent, std::vector<std::string>{"C:\\Docs\\b.txt"});
  // The layout of the load is the one put back after the dialog.
  EXPECT_EQ(f.saved_layout, 0x04090409u);
  EXPECT_EQ(f.keys.activated, std::vector<std::string>{"00000409"});
}

TEST_F(DocumentsOpen, CancellingTheDialogLoadsNothingButStillRestoresTheLayout) {
  f.Modified_Document("C:\\Docs\\a.txt");
  f.prompts.answers = {Answer::No};
  f.saved_layout = 0x04190419u;
  Open_Document(f.s);
  EXPECT_EQ(f.edit.text, "changed");
  EXPECT_EQ(f.window.resets, 0);
  EXPECT_EQ(f.keys.activated, std::vector<std::string>{"00000419"});

  // The guard's Cancel shows no open dialog, and the layout still comes back.
  f.prompts.answers = {Answer::Cancel};
  Open_Document(f.s);
  EXPECT_EQ(f.edit.text, "changed");
  EXPECT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.keys.activated, (std::vector<std::string>{"00000419", "00000419"}));
}

TEST_F(DocumentsOpen, AnUnreadableFileKeepsTheDocumentWhole) {
  f.Modified_Document("C:\\Docs\\a.txt", "precious");
  f.edit.sel = {4, 4};
  f.prompts.answers = {Answer::No};
  f.dialogs.answers = {std::string("C:\\Docs\\gone.txt")};
  Open_Document(f.s);
  EXPECT_EQ(f.prompts.file_errors, std::vector<std::string>{"Cannot open file C:\\Docs\\gone.txt"});
  EXPECT_EQ(f.edit.text, "precious");
  EXPECT_TRUE(f.edit.modified);
  EXPECT_EQ(f.window.caption, "C:\\Docs\\a.txt");
  EXPECT_EQ(f.window.resets, 0);
  EXPECT_EQ(f.current_path, "C:\\Docs\\start.txt");
  EXPECT_EQ(f.history.Files.Names[0], "");
  EXPECT_TRUE(f.shell.recent.empty());
}

TEST_F(DocumentsOpen, AFileCalledLikeTheUntitledNameIsNamedByItsPath) {
  f.disk.files["C:\\Docs\\Лировушка.txt"] = "x";
  f.dialogs.answers = {std::string("C:\\Docs\\Лировушка.txt")};
  Open_Document(f.s);
  f.edit.text = "y";
  f.edit.modified = true;
  Save_Command(f.s);
  EXPECT_EQ(f.dialogs.shown.size(), 1u);  // no save dialog: the document has a path
  EXPECT_EQ(f.disk.files["C:\\Docs\\Лировушка.txt"], "y");
}

TEST_F(DocumentsOpen, RichTextFilesGoInAndOutAsRichText) {
  f.disk.files["C:\\Docs\\memo.RTF"] = "{\\rtf1 hello}";
  f.disk.files["C:\\Docs\\fake.rtf"] = "plain\r\nlines";
  f.dialogs.answers = {std::string("C:\\Docs\\memo.RTF"), std::string("C:\\Docs\\fake.rtf")};
  Open_Document(f.s);
  EXPECT_EQ(f.text.rich, "{\\rtf1 hello}");
  f.text.rich = "{\\rtf1 changed}";
  Save_Command(f.s);
  EXPECT_EQ(f.disk.files["C:\\Docs\\memo.RTF"], "{\\rtf1 changed}");
  // A file that only carries the extension is shown as the text it holds.
  Open_Document(f.s);
  EXPECT_EQ(f.edit.text, "plain\rlines");
}

// A recognised page is decoded whole; a file recognised as WIN goes in from
// its bytes, as a long text must to show its first screen at once.
TEST_F(DocumentsOpen, ARecognisedPageIsDecodedAndAWinFileGoesInFromItsBytes) {
  File_Encoding recognised = File_Encoding::Koi;
  f.s.Recognize_Page = [&recognised](std::string_view) { return recognised; };
  f.disk.files["C:\\Docs\\a.txt"] = "\xF0\xD2\xC9\xD7\xC5\xD4\r\n";  // Привет in KOI
  f.dialogs.answers = {std::string("C:\\Docs\\a.txt"), std::string("C:\\Docs\\a.txt")};
  Open_Document(f.s);
  EXPECT_EQ(f.doc.Encoding, File_Encoding::Koi);
  EXPECT_EQ(f.edit.text, "\xCF\xF0\xE8\xE2\xE5\xF2\r");
  recognised = File_Encoding::Win;
  Open_Document(f.s);
  EXPECT_EQ(f.doc.Encoding, File_Encoding::Win);
  EXPECT_FALSE(f.text.unicode);
  EXPECT_EQ(f.edit.text, "\xF0\xD2\xC9\xD7\xC5\xD4\r");
}

TEST_F(DocumentsSave, ANamedDocumentIsWrittenWithoutADialogAndBecomesTheRememberedFolder) {
  f.Modified_Document("C:\\Docs\\a.txt", "a\rb\r");
  // A cancelled save as leaves a bare name in the dialog; it must not become
  // the folder the next open or save as starts in.
  f.dialogs.answers = {std::nullopt};
  Save_As_Command(f.s);
  Save_Command(f.s);
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.disk.files["C:\\Docs\\a.txt"], "a\r\nb\r\n");
  EXPECT_FALSE(f.edit.modified);
  EXPECT_EQ(f.current_path, "C:\\Docs\\a.txt");
  EXPECT_EQ(f.history.Files.Names[0], "C:\\Docs\\a.txt");
  New_Document(f.s);
  Save_As_Command(f.s);
  Open_Document(f.s);
  ASSERT_EQ(f.dialogs.shown.size(), 3u);
  EXPECT_EQ(f.dialogs.shown[1].folder, "C:\\Docs\\a.txt");
  EXPECT_EQ(f.dialogs.shown[2].folder, "C:\\Docs\\a.txt");
}

TEST_F(DocumentsSave, AnUntitledDocumentAsksForANameOnce) {
  f.Modified_Document("Лировушка.txt", "t");
  Save_Command(f.s);  // cancelled
  EXPECT_TRUE(f.edit.modified);
  EXPECT_EQ(f.window.caption, "Лировушка.txt");
  f.dialogs.answers = {std::string("C:\\Docs\\new.txt")};
  Save_Command(f.s);
  ASSERT_EQ(f.dialogs.shown.size(), 2u);
  EXPECT_EQ(f.dialogs.shown[1].file_name, "Лировушка.txt");
  EXPECT_EQ(f.dialogs.shown[1].folder, "C:\\Docs\\start.txt");
  EXPECT_EQ(f.window.caption, "C:\\Docs\\new.txt");
  EXPECT_EQ(f.window.title, "Лировушка.txt");  // a save leaves the title alone
  EXPECT_EQ(f.current_path, "C:\\Docs\\new.txt");
  EXPECT_FALSE(f.edit.modified);
  EXPECT_EQ(f.history.Files.Names[0], "C:\\Docs\\new.txt");
}

TEST_F(DocumentsSave, AFailedSaveReportsAndChangesNothing) {
  f.Modified_Document("C:\\Docs\\ro.txt", "new");
  f.disk.files["C:\\Docs\\ro.txt"] = "old";
  f.disk.read_only = {"C:\\Docs\\ro.txt", "C:\\Missing\\x.txt"};
  Save_Command(f.s);
  f.dialogs.answers = {std::string("C:\\Missing\\x.txt")};
  f.disk.reason = "Такой папки нет.";
  Save_As_Command(f.s);
  EXPECT_EQ(f.prompts.file_errors,
            (std::vector<std::string>{"Cannot create file C:\\Docs\\ro.txt",
                                      "Cannot create file C:\\Missing\\x.txt\nТакой папки нет."}));
  EXPECT_EQ(f.disk.files["C:\\Docs\\ro.txt"], "old");
  EXPECT_TRUE(f.edit.modified);
  EXPECT_EQ(f.window.caption, "C:\\Docs\\ro.txt");
  EXPECT_EQ(f.current_path, "C:\\Docs\\start.txt");
  EXPECT_EQ(f.history.Files.Names[0], "");
}

TEST_F(DocumentsSaveAs, ProposesTheFileNamePartOrTheUntitledName) {
  f.Modified_Document("C:\\Docs\\report.txt");
  f.dialogs.answers = {std::nullopt};
  Save_As_Command(f.s);
  ASSERT_EQ(f.dialogs.shown.size(), 1u);
  EXPECT_EQ(f.dialogs.shown[0].file_name, "report.txt");
  EXPECT_EQ(f.dialogs.shown[0].folder, "C:\\Docs\\report.txt");
  EXPECT_TRUE(f.disk.written.empty());

  f.name_part.give = false;
  f.dialogs.answers = {std::string("D:\\copy.txt")};
  Save_As_Command(f.s);
  EXPECT_EQ(f.dialogs.shown[1].file_name, "Лировушка.txt");
  EXPECT_EQ(f.dialogs.shown[1].folder, "C:\\Docs\\start.txt");
  EXPECT_EQ(f.disk.files["D:\\copy.txt"], "changed");
  EXPECT_EQ(f.window.caption, "D:\\copy.txt");
  EXPECT_EQ(f.current_path, "D:\\copy.txt");
  EXPECT_FALSE(f.edit.modified);
  EXPECT_EQ(f.history.Files.Names[0], "D:\\copy.txt");
}

TEST_F(DocumentsHistoryLoad, LoadsInPlaceAndRestoresTheCaret) {
  f.history.Files.Names = {"C:\\a.txt", "C:\\b.txt"};
  f.history.Files.Positions = {"0", "5"};
  f.history.Fill();
  f.disk.files["C:\\b.txt"] = "0123456789";
  f.doc.Name = "C:\\a.txt";
  f.window.Show_Document();
  f.edit.sel = {2, 2};
  f.keys.current = 0x04090409u;
  Open_From_History(f.s, "C:\\b.txt");
  EXPECT_EQ(f.edit.text, "0123456789");
  EXPECT_EQ(f.edit.sel.Start, 5);
  EXPECT_EQ(f.history.Files.Names[0], "C:\\a.txt");
  EXPECT_EQ(f.history.Files.Positions[0], "2");  // the document left keeps its caret
  EXPECT_EQ(f.history.Files.Names[1], "C:\\b.txt");
  EXPECT_EQ(f.current_path, "C:\\b.txt");
  EXPECT_EQ(f.window.title, "C:\\b.txt");
  EXPECT_FALSE(f.find_next_ready);
  EXPECT_EQ(f.shell.recent, std::vector<std::string>{"C:\\b.txt"});
  EXPECT_EQ(f.keys.activated, std::vector<std::string>{"00000409"});

  f.caret_memory = false;
  Open_From_History(f.s, "C:\\a.txt");
  f.disk.files["C:\\a.txt"] = "abc";
  Open_From_History(f.s, "C:\\a.txt");
  EXPECT_EQ(f.edit.sel.Start, 0);
}

TEST_F(DocumentsHistoryLoad, AMissingFileKeepsTheModifiedDocumentAndItsEntry) {
  f.history.Files.Names = {"C:\\gone.txt"};
  f.history.Fill();
  f.Modified_Document("C:\\Docs\\a.txt", "keep me");
  f.prompts.answers = {Answer::No};
  Open_From_History(f.s, "C:\\gone.txt");
  EXPECT_EQ(f.prompts.notices, std::vector<std::string>{kHistoryFileMissing});
  EXPECT_EQ(f.edit.text, "keep me");
  EXPECT_TRUE(f.edit.modified);
  EXPECT_EQ(f.window.caption, "C:\\Docs\\a.txt");
  EXPECT_EQ(f.history.Files.Names[0], "C:\\gone.txt");
  // A file that is there but cannot be read is not called deleted.
  f.disk.unreadable = {"C:\\locked.txt"};
  f.prompts.answers = {Answer::No};
  Open_From_History(f.s, "C:\\locked.txt");
  EXPECT_EQ(f.prompts.file_errors, std::vector<std::string>{"Cannot open file C:\\locked.txt"});
  EXPECT_EQ(f.prompts.notices.size(), 1u);
  EXPECT_EQ(f.window.caption, "C:\\Docs\\a.txt");
  // Saving now writes the text the user still sees, not an empty file.
  Save_Command(f.s);
  EXPECT_EQ(f.disk.files["C:\\Docs\\a.txt"], "keep me");
}

TEST_F(DocumentsHistoryLoad, CancelInTheGuardLoadsNothing) {
  f.disk.files["C:\\b.txt"] = "b";
  f.Modified_Document("C:\\Docs\\a.txt");
  f.prompts.answers = {Answer::Cancel};
  Open_From_History(f.s, "C:\\b.txt");
  EXPECT_EQ(f.edit.text, "changed");
  EXPECT_EQ(f.window.resets, 0);
}

// A Unicode or other-page file is written a piece at a time: past a piece's
// end, a pair cut by it, a line end or the byte-order mark come out as the
// text encoded whole would give them.
TEST_F(DocumentsSave, ALongTextComesOutAsItWouldEncodedWhole) {
  std::wstring text((std::size_t(1) << 20) - 1, L'ж');
  text += std::wstring{0xD83D, 0xDE00, '\r', 0x430, '\r'};
  f.text.Put_Unicode(text);
  for (const File_Encoding encoding :
       {File_Encoding::Utf8_Bom, File_Encoding::Utf16_Be, File_Encoding::Koi}) {
    ASSERT_EQ(Save_Document(f.text, f.disk, "C:\\big.txt", encoding, Line_End::Lf,
                            Outside_Characters::Replace_With_Question_Mark),
              Save_Result::Saved);
    EXPECT_TRUE(f.disk.files["C:\\big.txt"] ==
                Encode_File_Text(Working_Text_To_Disk(text, Line_End::Lf), encoding))
        << File_Encoding_Name(encoding);
  }
}

// Save writes over the document's own file only when it is still the file
// that was read, and the document holds all of it; otherwise it asks, and
// No writes nothing and says so. Save as under another name asks nothing.
TEST_F(DocumentsSave, OverAFileChangedElsewhereOrReadInPartItAsksFirst) {
  f.disk.files["C:\\Docs\\a.txt"] = "one\r\n";
  f.dialogs.answers = {std::string("C:\\Docs\\a.txt")};
  Open_Document(f.s);
  f.disk.files["C:\\Docs\\a.txt"] = "theirs\r\n";  // another program's version
  f.prompts.answers = {Answer::No};
  Save_Command(f.s);
  EXPECT_EQ(f.disk.files["C:\\Docs\\a.txt"], "theirs\r\n");
  ASSERT_EQ(f.prompts.asked.size(), 1u);
  EXPECT_NE(f.prompts.asked[0].find("изменила другая программа"), std::string::npos);
  EXPECT_EQ(f.prompts.notices, std::vector<std::string>{"Файл не сохранён: C:\\Docs\\a.txt"});
  f.prompts.answers = {Answer::Yes};
  Save_Command(f.s);
  EXPECT_EQ(f.disk.files["C:\\Docs\\a.txt"], "one\r\n");
  Save_Command(f.s);  // the file is the one just written: no question
  EXPECT_EQ(f.prompts.asked.size(), 2u);

  f.doc.Partial = true;
  Save_Command(f.s);
  EXPECT_EQ(f.prompts.asked.size(), 3u);
  EXPECT_NE(f.prompts.asked[2].find("только часть файла"), std::string::npos);
  EXPECT_TRUE(f.doc.Partial);
  f.dialogs.answers = {std::string("C:\\Docs\\part.txt")};
  Save_As_Command(f.s);
  EXPECT_EQ(f.disk.files["C:\\Docs\\part.txt"], "one\r\n");
  EXPECT_FALSE(f.doc.Partial);
  EXPECT_EQ(f.prompts.asked.size(), 3u);
}

// A file the edit area cannot hold is refused before the document is touched.
TEST_F(DocumentsOpen, AFileTooLargeForTheMemoryIsRefusedAndTheDocumentStays) {
  f.Modified_Document("C:\\Docs\\a.txt", "mine");
  f.disk.files["C:\\Docs\\big.txt"] = std::string(3u << 20, 'x');
  f.text.available = 2u << 20;
  f.prompts.answers = {Answer::No};
  f.dialogs.answers = {std::string("C:\\Docs\\big.txt")};
  Open_Document(f.s);
  EXPECT_EQ(f.edit.text, "mine");
  EXPECT_EQ(f.doc.Name, "C:\\Docs\\a.txt");
  EXPECT_EQ(f.history.Files.Names[0], "");
  EXPECT_EQ(
      f.prompts.file_errors,
      std::vector<std::string>{"Файл C:\\Docs\\big.txt слишком велик: чтобы показать его, нужно около 3 МБ "
                               "памяти, а свободно 2 МБ. Файл не открыт."});
}

// Each file keeps its own encoding from open to save; New goes back to WIN.
TEST_F(DocumentsEncoding, AnOpenedUnicodeFileIsShownAsUnicodeAndSavedInItsOwnEncoding) {
  const std::string utf8 = "\xD0\x9F\xD1\x80\xD0\xB8\r\n\xE2\x82\xAC\xCE\xA9\r\n";
  const std::string utf16 = std::string("\xFF\xFE\x1F\x04\x0D\x00\x0A\x00", 8);
  f.disk.files["C:\\Docs\\u8.txt"] = utf8;
  f.disk.files["C:\\Docs\\u16.txt"] = utf16;
  f.dialogs.answers = {std::string("C:\\Docs\\u8.txt")};
  Open_Document(f.s);
  EXPECT_EQ(f.doc.Encoding, File_Encoding::Utf8);
  ASSERT_TRUE(f.text.unicode.has_value());
  EXPECT_EQ(*f.text.unicode, (std::wstring{0x41F, 0x440, 0x438, '\r', 0x20AC, 0x3A9, '\r'}));
  Save_Command(f.s);
  EXPECT_EQ(f.disk.written, std::vector<std::string>{"C:\\Docs\\u8.txt"});
  EXPECT_EQ(f.disk.files["C:\\Docs\\u8.txt"], utf8);
  EXPECT_TRUE(f.prompts.asked.empty());

  Open_From_History(f.s, "C:\\Docs\\u16.txt");
  EXPECT_EQ(f.doc.Encoding, File_Encoding::Utf16_Le);
  Save_Command(f.s);
  EXPECT_EQ(f.disk.written.back(), "C:\\Docs\\u16.txt");
  EXPECT_EQ(f.disk.files["C:\\Docs\\u16.txt"], utf16);

  const int refreshes = f.window.refreshes;
  New_Document(f.s);
  EXPECT_EQ(f.doc.Encoding, File_Encoding::Win);
  EXPECT_GT(f.window.refreshes, refreshes);  // the status bar shows WIN again
}

// Windows-1251 cannot store the euro's neighbours: the user is told how many
// and which, and either saves as UTF-8 or keeps the file and the text.
// Cancel writes nothing and says so; No writes the page with '?' for each
// character it lacks; Yes writes UTF-8, which the document keeps.
TEST_F(DocumentsEncoding, SavingAWinDocumentThatHoldsOtherCharactersAsksWhatToWrite) {
  f.doc.Name = "C:\\Docs\\w.txt";
  f.window.Show_Document();
  f.disk.files["C:\\Docs\\w.txt"] = "old";
  // A typed U+2400 is the symbol for NUL, not a NUL byte.
  const std::wstring text{0x430, '?', 0x20AC, 0x3A9, 0xD83D, 0xDE00, 0x2400, 0x3A9, '\r'};
  f.text.Put_Unicode(text);
  f.edit.modified = true;
  f.prompts.answers = {Answer::Cancel};
  Save_Command(f.s);
  EXPECT_EQ(f.disk.files["C:\\Docs\\w.txt"], "old");
  EXPECT_TRUE(f.edit.modified);
  EXPECT_EQ(f.prompts.notices, std::vector<std::string>{"Файл не сохранён: C:\\Docs\\w.txt"});
  EXPECT_EQ(
      f.prompts.asked.back(),
      "В тексте 4 знака, которых нет в кодировке WIN, первый: «Ω».\n\nДа: сохранить файл в кодировке "
      "UTF-8.\nНет: сохранить в кодировке WIN, поставив вместо этих знаков «?».\nОтмена: не сохранять.");
  f.prompts.answers = {Answer::No};
  Save_Command(f.s);
  EXPECT_EQ(f.disk.files["C:\\Docs\\w.txt"], "\xE0?\x88????\r\n");  // one '?' for the pair
  EXPECT_FALSE(f.edit.modified);
  EXPECT_EQ(f.doc.Encoding, File_Encoding::Win);
  EXPECT_TRUE(f.prompts.file_errors.empty());
  f.prompts.answers = {Answer::Yes};
  f.edit.modified = true;
  const int refreshes = f.window.refreshes;
  Save_Command(f.s);
  EXPECT_EQ(f.disk.files["C:\\Docs\\w.txt"],
            "\xD0\xB0?\xE2\x82\xAC\xCE\xA9\xF0\x9F\x98\x80\xE2\x90\x80\xCE\xA9\r\n");
  EXPECT_EQ(f.doc.Encoding, File_Encoding::Utf8);
  EXPECT_FALSE(f.edit.modified);
  EXPECT_GT(f.window.refreshes, refreshes);
  // Now UTF-8, the next save asks nothing.
  Save_Command(f.s);
  EXPECT_EQ(f.prompts.asked.size(), 3u);

  // A text that fits stays WIN, the NUL symbol as the NUL byte.
  f.doc.Encoding = File_Encoding::Win;
  f.text.Put_Unicode(std::wstring{0x430, 0x20AC, kNulSymbol, '\r'});
  Save_Command(f.s);
  EXPECT_EQ(f.disk.files["C:\\Docs\\w.txt"], std::string("\xE0\x88\0\r\n", 5));
  EXPECT_EQ(f.prompts.asked.size(), 3u);
}

// A page that lacks characters warns at once, stays chosen, and the save
// asks as WIN does, naming the page.
TEST_F(DocumentsEncoding, AChosenPageLackingCharactersWarnsAndTheSaveAsks) {
  f.doc.Name = "C:\\Docs\\d.txt";
  f.window.Show_Document();
  f.disk.files["C:\\Docs\\d.txt"] = "old";
  f.text.Put_Unicode(std::wstring{0x430, 0xAB, 0x431, 0xBB, '\r'});  // а«б»: DOS has no « »
  const int refreshes = f.window.refreshes;
  Choose_Encoding(f.s, File_Encoding::Dos);
  EXPECT_EQ(f.doc.Encoding, File_Encoding::Dos);
  EXPECT_TRUE(f.edit.modified);  // the file is not yet in DOS
  EXPECT_GT(f.window.refreshes, refreshes);
  ASSERT_EQ(f.prompts.notices.size(), 1u);
  EXPECT_EQ(f.prompts.notices[0].rfind("В тексте 2 знака, которых нет в кодировке DOS, первый: «\u00AB».", 0),
            0u);
  f.prompts.answers = {Answer::Cancel};
  Save_Command(f.s);
  EXPECT_EQ(f.disk.files["C:\\Docs\\d.txt"], "old");
  EXPECT_EQ(
      f.prompts.asked.back().rfind("В тексте 2 знака, которых нет в кодировке DOS, первый: «\u00AB».", 0),
      0u);
  EXPECT_NE(f.prompts.asked.back().find("Нет: сохранить в кодировке DOS,"), std::string::npos);
  Choose_Encoding(f.s, File_Encoding::Win);  // 1251 has « »
  EXPECT_EQ(f.prompts.notices.size(), 2u);   // the warning and "not saved"
  Save_Command(f.s);
  EXPECT_EQ(f.disk.files["C:\\Docs\\d.txt"], "\xE0\xAB\xE1\xBB\r\n");
}

// A KOI file shown as WIN is read again as KOI: the text reads right, the
// document is KOI and unchanged, and a save writes the file back as it came.
// Changes are asked about first; a file that is no UTF-8 is not read as it.
TEST_F(DocumentsEncoding, AFileIsReadAgainInTheChosenEncoding) {
  const std::string koi = "\xF0\xD2\xC9\xD7\xC5\xD4\n\xED\xC9\xD2\n";  // "Привет\nМир\n"
  f.disk.files["C:\\Docs\\k.txt"] = koi;
  f.dialogs.answers = {std::string("C:\\Docs\\k.txt")};
  Open_Document(f.s);
  EXPECT_EQ(f.doc.Encoding, File_Encoding::Win);
  f.edit.modified = true;
  f.prompts.answers = {Answer::Cancel};
  Reread_In_Encoding(f.s, File_Encoding::Koi);
  EXPECT_EQ(f.doc.Encoding, File_Encoding::Win);  // the question stopped it
  f.prompts.answers = {Answer::No};
  Reread_In_Encoding(f.s, File_Encoding::Koi);
  ASSERT_TRUE(f.text.unicode.has_value());
  EXPECT_EQ(*f.text.unicode,
            (std::wstring{L'П', L'р', L'и', L'в', L'е', L'т', '\r', L'М', L'и', L'р', '\r'}));
  EXPECT_EQ(f.doc.Encoding, File_Encoding::Koi);
  EXPECT_EQ(f.doc.Ends, Line_End::Lf);
  EXPECT_FALSE(f.edit.modified);
  Save_Command(f.s);
  EXPECT_EQ(f.disk.files["C:\\Docs\\k.txt"], koi);
  Reread_In_Encoding(f.s, File_Encoding::Utf8);
  EXPECT_EQ(f.prompts.notices.size(), 1u);
  EXPECT_EQ(f.doc.Encoding, File_Encoding::Koi);
}

TEST_F(DocumentsEncoding, TheQuestionCountsInRussian) {
  EXPECT_EQ(
      Outside_Encoding_Question({1, "Ω"}, File_Encoding::Koi),
      "В тексте 1 знак, которого нет в кодировке KOI: «Ω».\n\nДа: сохранить файл в кодировке UTF-8.\nНет: "
      "сохранить в кодировке KOI, поставив вместо этого знака «?».\nОтмена: не сохранять.");
  EXPECT_NE(Outside_Encoding_Question({5, "Ω"}).find(" 5 знаков, которых"), std::string::npos);
  EXPECT_NE(Outside_Encoding_Question({12, "Ω"}).find(" 12 знаков,"), std::string::npos);
  EXPECT_NE(Outside_Encoding_Question({22, "Ω"}).find(" 22 знака,"), std::string::npos);
  EXPECT_NE(Outside_Encoding_Question({21, "Ω"}).find(" 21 знак,"), std::string::npos);
}

}  // namespace
