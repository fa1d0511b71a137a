// Files between disk and the edit control: every byte, NUL included.
#include <gtest/gtest.h>

#include "common/control_text.h"
#include "common/kept_text.h"
#include "documents/document_files.h"
#include "common/line_ends.h"
#include "fakes/documents_fakes.h"
#include "text/layout_retype.h"
#include "text/letter_case.h"
#include "text/line_cleanup.h"
#include "text/translit.h"

namespace {

TEST(DocumentsControlText, EveryByteCrossesTheControlAndComesBack) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += char(b);
  const std::wstring wide = Document_To_Control_Text(all);
  ASSERT_EQ(wide.size(), 256u);
  EXPECT_EQ(wide.find(L'\0'), std::wstring::npos);  // nothing ends the control's text early
  EXPECT_EQ(wide[0], kNulSymbol);
  EXPECT_EQ(wide[0xC0], wchar_t(0x0410));
  EXPECT_EQ(Control_Text_To_Document(wide), all);
}

TEST(DocumentsControlText, CharactersTheDocumentCannotHoldBecomeQuestionMarks) {
  EXPECT_EQ(Control_Text_To_Document(std::wstring{L'a', wchar_t(0x4E2D), kNulSymbol, L'b'}),
            std::string("a?\0b", 4));
}

// Latin with umlauts, a Chinese letter, an emoji as a surrogate pair, the
// control character U+0001 and the NUL sign behind Russian words.
std::wstring Mixed(const std::wstring& russian_words) {
  const std::wstring emoji{wchar_t(0xD83D), wchar_t(0xDE00)};
  return russian_words + L" \u00E4\u00DF " + wchar_t(0x4E2D) + emoji + L"\u0001" + kNulSymbol + L" ";
}

TEST(DocumentsControlText, CharactersOutsideWin1251StandAsteadAndComeBack) {
  const std::wstring text = Mixed(L"\u0429\u0443\u043A\u0430");  // Щука
  const Kept_Text taken = Keep_Outside_Win1251(text);
  EXPECT_EQ(taken.Bytes, std::string("\xD9\xF3\xEA\xE0 \x01\x01 \x01\x01\x01\0 ", 13));
  ASSERT_EQ(taken.Kept.size(), 5u);
  EXPECT_EQ(taken.Kept[3], (std::wstring{wchar_t(0xD83D), wchar_t(0xDE00)}));
  EXPECT_EQ(taken.Kept[4], L"\u0001");
  EXPECT_EQ(Put_Back_Kept(taken.Bytes, taken.Kept), text);
  // Text within the code page goes through as it always did, U+0098 as the
  // byte 0x98.
  const Kept_Text plain = Keep_Outside_Win1251(L"\u0429? \u20AC\u0098");
  EXPECT_TRUE(plain.Kept.empty());
  EXPECT_EQ(plain.Bytes, "\xD9? \x88\x98");
}

TEST(DocumentsControlText, EveryCommandLeavesTheStandInsInPlace) {
  const Kept_Text taken = Keep_Outside_Win1251(Mixed(L"\u0429\u0443\u043A\u0430\t"));
  const auto after = [&](const std::string& result) { return Put_Back_Kept(result, taken.Kept); };
  EXPECT_EQ(after(Translit_Text(taken.Bytes)), Mixed(L"Schuka\t"));
  EXPECT_EQ(after(Toggle_Case_Text(taken.Bytes)), Mixed(L"\u0429\u0423\u041A\u0410\t"));
  EXPECT_EQ(after(Retype_To_Latin(taken.Bytes)), Mixed(L"Oerf\t"));
  EXPECT_EQ(after(Retype_To_Russian(Retype_To_Latin(taken.Bytes))), Mixed(L"\u0429\u0443\u043A\u0430\t"));
  EXPECT_EQ(after(Replace_Tabs(taken.Bytes)), Mixed(L"\u0429\u0443\u043A\u0430    "));
  // A surrogate pair is one character, not two.
  const Kept_Text pair = Keep_Outside_Win1251(std::wstring{wchar_t(0xD83D), wchar_t(0xDE00), L'b'});
  EXPECT_EQ(Put_Back_Kept(Add_Spaces_Into_Words(pair.Bytes), pair.Kept),
            (std::wstring{wchar_t(0xD83D), wchar_t(0xDE00), L' ', L'b'}));
  // U+0098 beside a kept character is the byte 0x98 to the commands, which
  // read it as Ш.
  const Kept_Text high = Keep_Outside_Win1251(L"\u0098\u00E4");
  EXPECT_EQ(Put_Back_Kept(Retype_To_Russian(high.Bytes), high.Kept), L"\u0428\u00E4");
  EXPECT_EQ(Put_Back_Kept(Retype_To_Latin(high.Bytes), high.Kept), L"\u0428\u00E4");
  EXPECT_EQ(Put_Back_Kept(Translit_Text(high.Bytes), high.Kept), L"\u0428\u00E4");
}

TEST(DocumentsFileNames, UntitledIsExactAndRichTextGoesByTheExtension) {
  EXPECT_TRUE(Is_Untitled("Лировушка.txt"));
  EXPECT_FALSE(Is_Untitled("C:\\Docs\\Лировушка.txt"));
  EXPECT_FALSE(Is_Untitled("лировушка.txt"));
  EXPECT_TRUE(Is_Rich_Text_Name("C:\\a.rtf"));
  EXPECT_TRUE(Is_Rich_Text_Name("C:\\a.RtF"));
  EXPECT_FALSE(Is_Rich_Text_Name("C:\\a.rtf.txt"));
  EXPECT_FALSE(Is_Rich_Text_Name("C:\\a.rtfx"));
  EXPECT_FALSE(Is_Rich_Text_Name("C:\\x.rtf\\name"));
  EXPECT_FALSE(Is_Rich_Text_Name("rtf"));
}

TEST(DocumentsNulBytes, AFileWithNulBytesIsSavedBackWhole) {
  Document_Fixture f;
  const std::string bytes("head\0middle\r\n\0\0tail\r\n", 22);
  f.disk.files["C:\\bin.dat"] = bytes;
  f.dialogs.answers = {std::string("C:\\bin.dat")};
  Open_Document(f.s);
  f.edit.modified = true;
  Save_Command(f.s);
  EXPECT_EQ(f.disk.files["C:\\bin.dat"], bytes);
}

}  // namespace
