// Line breaks at the clipboard's edge.
#include <gtest/gtest.h>

#include <string>

#include "common/clipboard_text.h"

namespace {

TEST(TextFrameClipboard, WorkingTextGetsCrLfAndComesBackAsCr) {
  EXPECT_EQ(To_Clipboard_Line_Breaks("a\rb\r\rc\r"), "a\r\nb\r\n\r\nc\r\n");
  EXPECT_EQ(To_Clipboard_Line_Breaks("a\r\nb\nc"), "a\r\nb\r\nc");
  EXPECT_EQ(To_Clipboard_Line_Breaks(""), "");
  EXPECT_EQ(From_Clipboard_Line_Breaks("a\r\nb\nc\rd\r\n"), "a\rb\rc\rd\r");
  EXPECT_EQ(From_Clipboard_Line_Breaks("\n\n"), "\r\r");
  std::string all;
  for (int b = 1; b < 256; ++b) all += char(b);
  const std::string working = From_Clipboard_Line_Breaks(all);
  EXPECT_EQ(From_Clipboard_Line_Breaks(To_Clipboard_Line_Breaks(working)), working);
}

}  // namespace
