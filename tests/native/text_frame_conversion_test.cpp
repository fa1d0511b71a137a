// The frame of the twenty code-page conversions and their check marks.
#include <gtest/gtest.h>

#include <string>

#include "fakes/text_frame_fakes.h"
#include "text/codepages.h"
#include "text/conversion_frame.h"

namespace {

std::string Every_Byte() {
  std::string all;
  for (int b = 0; b < 256; ++b) all += char(b);
  return all;
}

TEST(TextFrameConversion, WholeDocumentOneUndoStepCaretBackClipboardMarked) {
  Text_Frame_Fixture f;
  const std::string dos = "\x8F\xE0\xA8\xA2\xA5\xE2, \x8C\xA8\xE0\r";  // Привет, Мир in DOS
  f.edit.text = dos;
  f.Select(3, 7);
  ASSERT_TRUE(Convert_Document(f.host, "DOS_WIN", Codepage_DOS, Codepage_WIN));
  EXPECT_EQ(f.edit.text, "\xCF\xF0\xE8\xE2\xE5\xF2, \xCC\xE8\xF0\r");
  EXPECT_EQ(f.edit.sel.Start, 3);
  EXPECT_EQ(f.edit.sel.End, 3);
  EXPECT_TRUE(f.edit.modified);
  ASSERT_EQ(f.edit.undo.size(), 1u);
  EXPECT_EQ(f.edit.undo[0], dos);
  EXPECT_EQ(f.clipboard.held, f.edit.text);
  EXPECT_EQ(f.marks, (std::vector<std::string>{"DOS_WIN"}));
  EXPECT_EQ(f.keyboard.activated, (std::vector<std::string>{"00000419", "00000409"}));
  EXPECT_TRUE(f.edit.Undo());
  EXPECT_EQ(f.edit.text, dos);
}

TEST(TextFrameConversion, EmptyDocumentTouchesNothing) {
  Text_Frame_Fixture f;
  f.clipboard.held = "before";
  EXPECT_FALSE(Convert_Document(f.host, "KOI_WIN", Codepage_KOI, Codepage_WIN));
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
  ASSERT_TRUE(Convert_Document(f.host, "KOI_WIN", Codepage_KOI, Codepage_WIN));
  EXPECT_EQ(f.edit.text, "\xC0\xE1");
  EXPECT_EQ(f.clipboard.held, "foreign text");
  EXPECT_EQ(f.edit.sel.Start, 1);
  EXPECT_EQ(f.marks, (std::vector<std::string>{"KOI_WIN"}));
}

TEST(TextFrameConversion, KoiWinAndBackRestoresEveryByteInTwoUndoSteps) {
  Text_Frame_Fixture f;
  f.edit.text = Every_Byte();
  f.Select(200, 256);
  Convert_Document(f.host, "KOI_WIN", Codepage_KOI, Codepage_WIN);
  EXPECT_NE(f.edit.text, Every_Byte());
  EXPECT_EQ(f.edit.text.size(), 256u);
  Convert_Document(f.host, "WIN_KOI", Codepage_WIN, Codepage_KOI);
  EXPECT_EQ(f.edit.text, Every_Byte());
  EXPECT_EQ(f.edit.sel.Start, 200);
  EXPECT_EQ(f.edit.undo.size(), 2u);
  EXPECT_EQ(f.marks, (std::vector<std::string>{"KOI_WIN", "WIN_KOI"}));
}

TEST(TextFrameConversion, AtMostOneItemCheckedAndClearingNameChecksNone) {
  for (const Conversion& named : Conversions) {
    int checked = 0;
    for (const Conversion& item : Conversions) checked += Conversion_Checked(item, named.Conversion_Name);
    EXPECT_EQ(checked, 1) << named.Conversion_Name;
    EXPECT_TRUE(Conversion_Checked(named, named.Conversion_Name));
  }
  for (const char* name : {No_Conversion_Mark, "dos_win", "DOS_WIN ", ""}) {
    for (const Conversion& item : Conversions) EXPECT_FALSE(Conversion_Checked(item, name)) << name;
  }
}

}  // namespace
