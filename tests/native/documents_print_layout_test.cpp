#include <gtest/gtest.h>

#include "documents/print_layout.h"
#include "fakes/view_fakes.h"

// The fake page is 100 wide and 200 high; characters are 10 wide and 20
// high ('W' is 30 wide), so a drawn line advances by 22.

TEST(DocumentsPrintLayout, LongLineBreaksAtTheLastCharacterThatFits) {
  Fake_Printer device;
  Line_Printer printer(device);
  printer.Write("abcdefghijklmnopqrstuvwxy");
  printer.End_Line();
  ASSERT_EQ(device.pieces.size(), 3u);
  EXPECT_EQ(device.pieces[0].text, "abcdefghij");
  EXPECT_EQ(device.pieces[1].text, "klmnopqrst");
  EXPECT_EQ(device.pieces[2].text, "uvwxy");
  EXPECT_EQ(device.pieces[0].y, 0);
  EXPECT_EQ(device.pieces[1].y, 22);
  EXPECT_EQ(device.pieces[2].y, 44);
  EXPECT_EQ(printer.Y(), 66);
  EXPECT_EQ(printer.X(), 0);
}

TEST(DocumentsPrintLayout, BreaksInsideWordsNotAtSpaces) {
  Fake_Printer device;
  Line_Printer printer(device);
  printer.Write("one two three");
  ASSERT_EQ(device.pieces.size(), 2u);
  EXPECT_EQ(device.pieces[0].text, "one two th");
  EXPECT_EQ(device.pieces[1].text, "ree");
}

TEST(DocumentsPrintLayout, WideCharacterThatDoesNotFitGoesToTheNextLine) {
  Fake_Printer device;
  Line_Printer printer(device);
  printer.Write("abcdefghW");  // 80 + 30 > 100
  ASSERT_EQ(device.pieces.size(), 2u);
  EXPECT_EQ(device.pieces[0].text, "abcdefgh");
  EXPECT_EQ(device.pieces[1].text, "W");
  EXPECT_EQ(device.pieces[1].x, 0);
}

TEST(DocumentsPrintLayout, CharacterWiderThanThePageIsDrawnRatherThanLoopingForever) {
  Fake_Printer device;
  device.page_width = 20;
  Line_Printer printer(device);
  printer.Write("aWb");
  ASSERT_EQ(device.pieces.size(), 3u);
  EXPECT_EQ(device.pieces[0].text, "a");
  EXPECT_EQ(device.pieces[1].text, "W");
  EXPECT_EQ(device.pieces[2].text, "b");
}

TEST(DocumentsPrintLayout, TabMovesToTheNextStopByTheFormula) {
  // w = 8 * 10 = 80; x + w - ((x + w + 1) mod w) + 1
  Fake_Printer device;
  device.page_width = 1000;
  Line_Printer printer(device);
  printer.Write("\tA");
  EXPECT_EQ(device.pieces.back().x, 80);
  printer.Write("\tB");  // from 90
  EXPECT_EQ(device.pieces.back().x, 160);
  printer.Write("bcdefgh\tC");  // from 170 + 70 = 240: (321 mod 80) = 1
  EXPECT_EQ(device.pieces.back().x, 320);
}

TEST(DocumentsPrintLayout, TabBeyondThePageStartsANewLine) {
  Fake_Printer device;
  Line_Printer printer(device);
  printer.Write("abcdefghi\tz");  // 90 -> 160 > 100
  ASSERT_EQ(device.pieces.size(), 2u);
  EXPECT_EQ(device.pieces[1].text, "z");
  EXPECT_EQ(device.pieces[1].x, 0);
  EXPECT_EQ(device.pieces[1].y, 22);
}

TEST(DocumentsPrintLayout, FormFeedContinuesTheLineOnANewPage) {
  Fake_Printer device;
  Line_Printer printer(device);
  printer.Write("ab\fcd");
  printer.End_Line();
  ASSERT_EQ(device.pieces.size(), 2u);
  EXPECT_EQ(device.pieces[0].page, 1);
  EXPECT_EQ(device.pieces[1].page, 2);
  EXPECT_EQ(device.pieces[1].text, "cd");
  EXPECT_EQ(device.pieces[1].x, 0);
  EXPECT_EQ(device.pieces[1].y, 0);
}

TEST(DocumentsPrintLayout, ReturnEndsThePieceWithoutMovingLineFeedStartsALine) {
  Fake_Printer device;
  Line_Printer printer(device);
  printer.Write("ab\rcd\nef");
  ASSERT_EQ(device.pieces.size(), 3u);
  EXPECT_EQ(device.pieces[1].text, "cd");
  EXPECT_EQ(device.pieces[1].x, 20);
  EXPECT_EQ(device.pieces[1].y, 0);
  EXPECT_EQ(device.pieces[2].x, 0);
  EXPECT_EQ(device.pieces[2].y, 22);
}

TEST(DocumentsPrintLayout, EmptyLineAdvancesByTheCharacterHeightAWrittenOneByItsTextAndAGap) {
  Fake_Printer device;
  Line_Printer printer(device);
  printer.End_Line();
  EXPECT_EQ(printer.Y(), 20);
  EXPECT_TRUE(device.pieces.empty());
  printer.Write("a");
  printer.End_Line();
  EXPECT_EQ(printer.Y(), 42);
  // The gap is two pixels of a 96 DPI screen: 12.5 device units at 600 DPI.
  device.dpi = 600;
  printer.Write("a");
  printer.End_Line();
  EXPECT_EQ(printer.Y(), 42 + 20 + 13);
}

TEST(DocumentsPrintLayout, NewPageWhenTwoLineHeightsNoLongerFit) {
  // 200 - 2 * 22 = 156: the line that would start at 176 goes to page 2.
  Fake_Printer device;
  Line_Printer printer(device);
  for (int i = 0; i < 9; ++i) {
    printer.Write("x" + std::to_string(i));
    printer.End_Line();
  }
  ASSERT_EQ(device.pieces.size(), 9u);
  for (int i = 0; i < 8; ++i) EXPECT_EQ(device.pieces[i].page, 1) << i;
  EXPECT_EQ(device.pieces[7].y, 154);
  EXPECT_EQ(device.pieces[8].page, 2);
  EXPECT_EQ(device.pieces[8].y, 0);
}

TEST(DocumentsPrintLayout, PrinterFailureStopsTheOutput) {
  Fake_Printer device;
  device.fail_on_draw = 1;
  Line_Printer printer(device);
  printer.Write("abcdefghijklmnopqrstuvwxyz");
  EXPECT_FALSE(printer.Ok());
  EXPECT_EQ(device.pieces.size(), 1u);
  printer.Write("more");
  EXPECT_EQ(device.pieces.size(), 1u);
}

TEST(DocumentsPrintLayout, LongLineIsMeasuredInFewSteps) {
  Fake_Printer device;
  device.page_width = 800;
  Line_Printer printer(device);
  printer.Write(std::string(4096, 'a'));
  EXPECT_EQ(device.pieces.size(), 52u);
  // Dropping one character at a time would measure hundreds of thousands of times.
  EXPECT_LT(device.measures, 52 * 20);
}
