#include <gtest/gtest.h>

#include "common/line_ends.h"

TEST(LineEnds, EveryLineEndReadsAsCrAndWritesAsTheDocumentsKind) {
  EXPECT_EQ(Disk_To_Working_Text("a\r\nb\nc\rd\r\n"), "a\rb\rc\rd\r");
  EXPECT_EQ(Disk_To_Working_Text("\n\r\r\n"), "\r\r\r");
  EXPECT_EQ(Working_Text_To_Disk("a\rb\r"), "a\r\nb\r\n");
  EXPECT_EQ(Working_Text_To_Disk("a\nb\r\nc"), "a\r\nb\r\nc");
  EXPECT_EQ(Working_Text_To_Disk("a\rb\nc\r\nd", Line_End::Lf), "a\nb\nc\nd");
  EXPECT_EQ(Working_Text_To_Disk("a\rb\nc\r\nd", Line_End::Cr), "a\rb\rc\rd");
  EXPECT_EQ(Working_Text_To_Disk(std::wstring(L"\r\r\n"), Line_End::Lf), L"\n\n");
}

TEST(LineEnds, AFileOfOneKindComesBackByteForByte) {
  std::string bytes;
  for (int b = 0; b < 256; ++b)
    if (b != '\r' && b != '\n') bytes += char(b);
  for (const char* end : {"\r\n", "\n", "\r"}) {
    const std::string file = bytes + end + "x" + end + end;
    Line_End_Counter counter;
    counter.Add(file.data(), file.size());
    EXPECT_FALSE(Mixed_Line_Ends(counter.Count()));
    EXPECT_EQ(Working_Text_To_Disk(Disk_To_Working_Text(file), Prevailing_Line_End(counter.Count())), file);
  }
}

// A file takes the kind it holds most of, CR LF on a tie or with none.
TEST(LineEnds, AMixedFileTakesTheKindItHoldsMostOf) {
  const auto kind = [](const std::string& file) {
    Line_End_Counter counter;
    counter.Add(file.data(), file.size());
    return std::make_pair(Prevailing_Line_End(counter.Count()), Mixed_Line_Ends(counter.Count()));
  };
  EXPECT_EQ(kind(""), std::make_pair(Line_End::Cr_Lf, false));
  EXPECT_EQ(kind("no line end"), std::make_pair(Line_End::Cr_Lf, false));
  EXPECT_EQ(kind("a\nb\nc\r\n"), std::make_pair(Line_End::Lf, true));
  EXPECT_EQ(kind("a\rb\nc\r"), std::make_pair(Line_End::Cr, true));
  EXPECT_EQ(kind("a\r\nb\nc\r"), std::make_pair(Line_End::Cr_Lf, true));
  EXPECT_EQ(kind("\n\r\r\n\n"), std::make_pair(Line_End::Lf, true));
  EXPECT_STREQ(Line_End_Name(Line_End::Cr_Lf), "CR LF");
}

// Text cut anywhere, in and out: a CR LF split between two pieces is one
// line end, counted once and written once.
TEST(LineEnds, LineEndsComeOutTheSameWhereverTheTextIsCut) {
  const std::string text = "a\r\nb\rc\n\r\r\nd\n\r";
  Line_End_Counter whole_count;
  whole_count.Add(text.data(), text.size());
  for (const Line_End kind : {Line_End::Cr_Lf, Line_End::Lf, Line_End::Cr}) {
    const std::string whole = Working_Text_To_Disk(text, kind);
    for (size_t first = 0; first <= text.size(); ++first)
      for (size_t second = first; second <= text.size(); ++second) {
        const std::string parts[] = {text.substr(0, first), text.substr(first, second - first),
                                     text.substr(second)};
        Disk_Line_Ends ends(kind);
        Line_End_Counter counter;
        std::string cut;
        std::string working(text.size(), '\0');
        char* out = working.data();
        bool after_cr = false;
        for (const std::string& part : parts) {
          cut += ends.Convert(part);
          counter.Add(part.data(), part.size());
          out = Fold_Line_Ends(part.data(), part.data() + part.size(), out, after_cr);
        }
        working.resize(size_t(out - working.data()));
        EXPECT_EQ(cut, whole) << "cut at " << first << " and " << second;
        EXPECT_EQ(working, Disk_To_Working_Text(text)) << "cut at " << first << " and " << second;
        const Line_End_Count a = counter.Count(), b = whole_count.Count();
        EXPECT_TRUE(a.Cr_Lf == b.Cr_Lf && a.Lf == b.Lf && a.Cr == b.Cr)
            << "cut at " << first << " and " << second;
      }
  }
}
