#include <gtest/gtest.h>

#include "documents/recovery_copy.h"

namespace {

Recovery_Copy Sample() {
  Recovery_Copy copy;
  copy.Doc.Name = copy.Doc.Title = "C:\\Документы\\отчёт.txt";
  copy.Doc.Encoding = File_Encoding::Koi;
  copy.Doc.Ends = Line_End::Lf;
  copy.Doc.Mixed_Ends = true;
  copy.Doc.Stamp = File_Stamp{208, 133801234567890123ull};
  copy.Caret = 7;
  copy.Written = 133801234999999999ull;
  // A lone surrogate and the NUL sign travel as they are.
  copy.Text = std::wstring{L'П', L'р', L'\r', 0xD83D, L'x', 0xE000, L'\r'};
  return copy;
}

}  // namespace

TEST(RecoveryCopy, AWholeCopyComesBackAsItWasWritten) {
  const Recovery_Copy copy = Sample();
  const auto back = Read_Recovery_Copy(Recovery_Copy_Bytes(copy));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->Doc.Name, copy.Doc.Name);
  EXPECT_EQ(back->Doc.Title, copy.Doc.Name);
  EXPECT_EQ(back->Doc.Encoding, File_Encoding::Koi);
  EXPECT_EQ(back->Doc.Ends, Line_End::Lf);
  EXPECT_TRUE(back->Doc.Mixed_Ends);
  EXPECT_FALSE(back->Doc.Partial);
  ASSERT_TRUE(back->Doc.Stamp.has_value());
  EXPECT_EQ(*back->Doc.Stamp, *copy.Doc.Stamp);
  EXPECT_EQ(back->Caret, 7);
  EXPECT_EQ(back->Written, copy.Written);
  EXPECT_EQ(back->Text, copy.Text);

  Recovery_Copy untitled;
  untitled.Doc.Partial = true;
  const auto empty = Read_Recovery_Copy(Recovery_Copy_Bytes(untitled));
  ASSERT_TRUE(empty.has_value());
  EXPECT_TRUE(empty->Doc.Untitled());
  EXPECT_TRUE(empty->Doc.Partial);
  EXPECT_FALSE(empty->Doc.Stamp.has_value());
  EXPECT_TRUE(empty->Text.empty());
}

// A copy cut short anywhere, or with any one byte changed, is no copy.
TEST(RecoveryCopy, ACopyCutShortOrDamagedAnywhereIsRefused) {
  const std::string bytes = Recovery_Copy_Bytes(Sample());
  for (std::size_t size = 0; size < bytes.size(); ++size)
    EXPECT_FALSE(Read_Recovery_Copy(std::string_view(bytes).substr(0, size)).has_value()) << size;
  for (std::size_t at = 0; at < bytes.size(); ++at) {
    std::string damaged = bytes;
    damaged[at] = char(damaged[at] ^ 0x20);
    EXPECT_FALSE(Read_Recovery_Copy(damaged).has_value()) << at;
  }
  EXPECT_FALSE(Read_Recovery_Copy(bytes + "x").has_value());
}
