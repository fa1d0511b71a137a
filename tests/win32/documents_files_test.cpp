// Documents through the real RichEdit control and the real file system:
// every byte comes back, saves are all or nothing.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "documents/document_files.h"
#include "platform/win32/document_text_win32.h"
#include "platform/win32/edit_area_win32.h"
#include "platform/win32/file_dialogs_win32.h"
#include "platform/win32/file_writer_win32.h"
#include "platform/win32/platform_win32.h"
#include "test_main_window.h"

namespace {

// A scratch folder of its own for every test.
class DocumentsFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    folder_ = Narrow(temp) + "lv_docs_" + std::to_string(GetCurrentProcessId()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name() + "\\";
    CreateDirectoryW(Wide(folder_).c_str(), nullptr);
    parent_ = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    edit_ = Rich_Edit::Create(parent_, 1, true);
    ASSERT_NE(edit_, nullptr);
  }
  void TearDown() override {
    DestroyWindow(parent_);
    for (const auto& name : Listing()) {
      const std::wstring path = Wide(folder_ + name);
      SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
      DeleteFileW(path.c_str());
    }
    RemoveDirectoryW(Wide(folder_).c_str());
  }
  std::string Path(const std::string& name) const { return folder_ + name; }
  void Write_Raw(const std::string& name, const std::string& bytes) {
    HANDLE f = CreateFileW(Wide(Path(name)).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(f, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(f, bytes.data(), DWORD(bytes.size()), &written, nullptr);
    CloseHandle(f);
  }
  std::string Read_Raw(const std::string& name) {
    return Win32_Files().Read_All(Path(name)).value_or("<missing>");
  }
  std::vector<std::string> Listing() { return Files_In(folder_); }
  // Load the file into the control, then save the control's text elsewhere.
  std::string Round_Trip(const std::string& from, const std::string& to, int32_t piece_chars = 4 << 20) {
    Rich_Edit_Document text(edit_);
    text.Set_Piece_Chars(piece_chars);
    const auto bytes = Win32_Files().Read_All(Path(from));
    EXPECT_TRUE(bytes.has_value());
    Document document;
    Take_File_Form(document, Put_Document(text, Path(from), bytes.value_or("")));
    encoding_ = document.Encoding;
    Win32_File_Writer writer;
    EXPECT_EQ(Save_Document(text, writer, Path(to), document.Encoding, document.Ends), Save_Result::Saved);
    return Read_Raw(to);
  }

  std::string folder_;
  File_Encoding encoding_ = File_Encoding::Win;  // of the last Round_Trip's file
  HWND parent_ = nullptr;
  HWND edit_ = nullptr;
};

TEST_F(DocumentsFiles, EveryLineEndComesBackAsCrLfAndEveryOtherByteUnchanged) {
  std::string bytes = "CRLF\r\nCR\rLF\nend\r\n";
  std::string expected = "CRLF\r\nCR\r\nLF\r\nend\r\n";
  for (int b = 1; b < 256; ++b) {
    if (b == '\r' || b == '\n') continue;
    bytes += char(b);
    expected += char(b);
  }
  bytes += "\n";
  expected += "\r\n";
  Write_Raw("in.txt", bytes);
  const std::string out = Round_Trip("in.txt", "out.txt");
  EXPECT_EQ(encoding_, File_Encoding::Win);
  ASSERT_EQ(out.size(), expected.size());
  for (size_t i = 0; i < out.size(); ++i)
    ASSERT_EQ(unsigned(uint8_t(out[i])), unsigned(uint8_t(expected[i]))) << "at " << i;
  // The control holds the text with CR line breaks only.
  EXPECT_EQ(Rich_Edit(edit_).Text().substr(0, 14), "CRLF\rCR\rLF\rend");
}

TEST_F(DocumentsFiles, TheControlsTextInSmallPiecesIsItsWholeText) {
  std::string bytes;
  for (int line = 0; line < 40; ++line) bytes += "\xF1\xF2\xF0\xEE\xEA\xE0 " + std::to_string(line) + "\r\n";
  bytes += std::string("NUL\0end", 7);
  Write_Raw("in.txt", bytes);
  for (int32_t piece : {1, 3, 7, 4096}) {
    EXPECT_EQ(Round_Trip("in.txt", "out.txt", piece), bytes) << piece;
    Rich_Edit_Document text(edit_);
    text.Set_Piece_Chars(piece);
    std::string joined;
    int pieces = 0;
    EXPECT_TRUE(text.Take_Pieces([&](Text_Piece next) {
      joined += next();
      return ++pieces < 1000;
    }));
    EXPECT_EQ(joined, text.Take());
    if (size_t(piece) < joined.size()) {
      EXPECT_GT(pieces, 1);
    }
  }
}

// "Привет, мир!" and a line beyond Windows-1251 (the euro is in it, the
// Greek letter and the emoji, a surrogate pair, are not).
const char kUtf8Text[] =
    "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82, \xD0\xBC\xD0\xB8\xD1\x80!\r\n"
    "\xE2\x82\xAC \xCE\xA9 \xF0\x9F\x98\x80\r\n";

std::string Utf16(const std::string& utf8, bool little) {
  std::string bytes = little ? "\xFF\xFE" : "\xFE\xFF";
  for (const wchar_t c : Wide(utf8)) {
    bytes += char(little ? c & 0xFF : c >> 8);
    bytes += char(little ? c >> 8 : c & 0xFF);
  }
  return bytes;
}

TEST_F(DocumentsFiles, UnicodeFilesShowReadableAndComeBackByteForByte) {
  const struct {
    std::string bytes;
    File_Encoding encoding;
  } files[] = {{kUtf8Text, File_Encoding::Utf8},
               {std::string("\xEF\xBB\xBF") + kUtf8Text, File_Encoding::Utf8_Bom},
               {Utf16(kUtf8Text, true), File_Encoding::Utf16_Le},
               {Utf16(kUtf8Text, false), File_Encoding::Utf16_Be}};
  std::wstring shown = Wide(kUtf8Text);
  for (size_t at; (at = shown.find(L"\r\n")) != std::wstring::npos;) shown.erase(at + 1, 1);
  for (const auto& file : files) {
    Write_Raw("in.txt", file.bytes);
    EXPECT_EQ(Round_Trip("in.txt", "out.txt", 5), file.bytes) << File_Encoding_Name(file.encoding);
    EXPECT_EQ(encoding_, file.encoding);
    EXPECT_EQ(Rich_Edit(edit_).Control_Text(), shown);
  }
}

// The edit area holds UTF-16: what Windows-1251 cannot store stops the save
// of a WIN document instead of turning into '?'.
TEST_F(DocumentsFiles, AWinDocumentHoldingCharactersOutsideWin1251IsNotWritten) {
  Write_Raw("win.txt", "old");
  Rich_Edit_Document text(edit_);
  Win32_File_Writer writer;
  for (int32_t piece : {2, 4096}) {
    text.Set_Piece_Chars(piece);
    text.Put_Unicode(L"\u0430\u0431\u0432 \u20AC? \u03A9");
    EXPECT_EQ(Save_Document(text, writer, Path("win.txt")), Save_Result::Outside_Encoding) << piece;
    EXPECT_EQ(Read_Raw("win.txt"), "old");
    EXPECT_EQ(Listing().size(), 1u);
  }
  text.Put_Unicode(L"\u0430\u0431\u0432 \u20AC?");
  ASSERT_EQ(Save_Document(text, writer, Path("win.txt")), Save_Result::Saved);
  EXPECT_EQ(Read_Raw("win.txt"), "\xE0\xE1\xE2 \x88?");
}

TEST_F(DocumentsFiles, NulBytesSurviveTheControl) {
  const char raw[] = "before\0after\r\n\0\0two NULs\r\nlast\0";
  const std::string bytes(raw, sizeof raw - 1);
  Write_Raw("zero.bin", bytes);
  EXPECT_EQ(Round_Trip("zero.bin", "zero_out.bin"), bytes);
}

TEST_F(DocumentsFiles, RichTextFilesTravelAsRichText) {
  Write_Raw("memo.rtf", "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Hello\\par World}");
  Rich_Edit_Document text(edit_);
  Put_Document(text, Path("memo.rtf"), Read_Raw("memo.rtf"));
  EXPECT_EQ(Rich_Edit(edit_).Text().substr(0, 11), "Hello\rWorld");
  Win32_File_Writer writer;
  ASSERT_EQ(Save_Document(text, writer, Path("copy.RTF")), Save_Result::Saved);
  const std::string saved = Read_Raw("copy.RTF");
  EXPECT_EQ(saved.compare(0, 5, "{\\rtf"), 0) << saved;
  EXPECT_NE(saved.find("Hello"), std::string::npos);
}

TEST_F(DocumentsFiles, ASaveReplacesTheFileKeepsItsAttributesAndLeavesNoScratchFile) {
  Write_Raw("a.txt", "old content that is longer than the new one");
  SetFileAttributesW(Wide(Path("a.txt")).c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
  Win32_File_Writer writer;
  ASSERT_TRUE(writer.Write_Whole(Path("a.txt"), "new"));
  EXPECT_EQ(Read_Raw("a.txt"), "new");
  EXPECT_TRUE(GetFileAttributesW(Wide(Path("a.txt")).c_str()) & FILE_ATTRIBUTE_HIDDEN);
  ASSERT_TRUE(writer.Write_Whole(Path("fresh.txt"), ""));
  EXPECT_EQ(Read_Raw("fresh.txt"), "");
  EXPECT_EQ(Listing().size(), 2u);
}

TEST_F(DocumentsFiles, AFailedSaveLeavesTheOldFileWholeAndNothingBehind) {
  Write_Raw("ro.txt", "read-only content");
  SetFileAttributesW(Wide(Path("ro.txt")).c_str(), FILE_ATTRIBUTE_READONLY);
  Win32_File_Writer writer;
  EXPECT_FALSE(writer.Write_Whole(Path("ro.txt"), "x"));
  EXPECT_EQ(Read_Raw("ro.txt"), "read-only content");
  EXPECT_FALSE(writer.Write_Whole(Path("no such folder\\x.txt"), "x"));
  EXPECT_FALSE(writer.Write_Whole(Path("bad|name?.txt"), "x"));
  EXPECT_FALSE(writer.Write_Whole(folder_, "x"));  // a folder is no file
  EXPECT_EQ(Listing(), std::vector<std::string>{"ro.txt"});
}

// A folder whose path runs past 260 characters, made and removed in the
// long-path form; the document in it is named as users see it.
TEST_F(DocumentsFiles, ADocumentPastTheOldPathLimitRoundTripsAndTheDialogsStartSafely) {
  std::string deep = folder_;
  std::vector<std::string> made;
  for (int level = 0; level < 5; ++level) {
    deep += "\xD0\xBF\xD0\xB0\xD0\xBF\xD0\xBA\xD0\xB0_" + std::string(60, char('a' + level)) +
            "\\";  // "папка_..."
    ASSERT_TRUE(CreateDirectoryW(File_Api_Path(deep).c_str(), nullptr)) << level;
    made.push_back(deep);
  }
  const std::string path = deep + "long.txt";
  ASSERT_GT(Wide(path).size(), size_t(MAX_PATH));
  Rich_Edit_Document text(edit_);
  text.Put("first line\rsecond");
  Win32_File_Writer writer;
  ASSERT_EQ(Save_Document(text, writer, path, File_Encoding::Win), Save_Result::Saved);
  EXPECT_EQ(Win32_Files().Read_All(path).value_or("<missing>"), "first line\r\nsecond");
  EXPECT_TRUE(Win32_Files().Exists(path));
  // Spelled in other letters it is the same file, which a save over it must know.
  EXPECT_TRUE(Win32_Files().Same_File(path, deep + "LONG.TXT"));
  EXPECT_FALSE(Win32_Files().Same_File(path, deep + "long2.txt"));
  // Saved again over itself: the scratch file beside it takes its place.
  text.Put("again");
  ASSERT_EQ(Save_Document(text, writer, path, File_Encoding::Utf8), Save_Result::Saved);
  EXPECT_EQ(Win32_Files().Read_All(path).value_or("<missing>"), "again");
  // The dialogs break on a folder this long: they get a short one or none.
  EXPECT_LT(Dialog_Start_Folder(path).size(), size_t(MAX_PATH));

  WIN32_FIND_DATAW found;
  HANDLE search = FindFirstFileW((File_Api_Path(deep) + L"*").c_str(), &found);
  ASSERT_NE(search, INVALID_HANDLE_VALUE);
  int files = 0;
  do files += !(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY);
  while (FindNextFileW(search, &found));
  FindClose(search);
  EXPECT_EQ(files, 1) << "a scratch file stayed beside the document";
  EXPECT_TRUE(DeleteFileW(File_Api_Path(path).c_str()));
  for (auto level = made.rbegin(); level != made.rend(); ++level)
    RemoveDirectoryW(File_Api_Path(*level).c_str());
}

}  // namespace
