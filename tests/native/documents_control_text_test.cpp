// Files between disk and the edit control: every byte, NUL included.
#include <gtest/gtest.h>

#include "common/control_text.h"
#include "documents/document_files.h"
#include "documents/text_file_format.h"
#include "fakes/documents_fakes.h"

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
