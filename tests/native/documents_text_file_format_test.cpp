#include <gtest/gtest.h>

#include "documents/text_file_format.h"

TEST(TextFileFormat, EveryLineEndReadsAsCrAndWritesAsCrLf) {
  EXPECT_EQ(Disk_To_Working_Text("a\r\nb\nc\rd\r\n"), "a\rb\rc\rd\r");
  EXPECT_EQ(Disk_To_Working_Text("\n\r\r\n"), "\r\r\r");
  EXPECT_EQ(Working_Text_To_Disk("a\rb\r"), "a\r\nb\r\n");
  EXPECT_EQ(Working_Text_To_Disk("a\nb\r\nc"), "a\r\nb\r\nc");
}

TEST(TextFileFormat, EveryByteSurvivesARoundTrip) {
  std::string bytes;
  for (int b = 0; b < 256; ++b)
    if (b != '\r' && b != '\n') bytes += char(b);
  bytes += "\r\n";
  EXPECT_EQ(Working_Text_To_Disk(Disk_To_Working_Text(bytes)), bytes);
}

TEST(TextFileFormat, LineEndsComeOutTheSameWhereverTheTextIsCut) {
  const std::string text = "a\r\nb\rc\n\r\r\nd\n";
  const std::string whole = Working_Text_To_Disk(text);
  for (size_t first = 0; first <= text.size(); ++first)
    for (size_t second = first; second <= text.size(); ++second) {
      Disk_Line_Ends ends;
      std::string cut = ends.Convert(text.substr(0, first));
      cut += ends.Convert(text.substr(first, second - first));
      cut += ends.Convert(text.substr(second));
      EXPECT_EQ(cut, whole) << "cut at " << first << " and " << second;
    }
}
