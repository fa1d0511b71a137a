#include <gtest/gtest.h>

#include "documents/print_layout.h"
#include "fakes/view_fakes.h"

namespace {

// Each piece drawn as "text@x,y/page", one after another.
std::string Drawn(const Fake_Printer& device) {
  std::string drawn;
  for (const Fake_Printer::Piece& p : device.pieces)
    drawn += (drawn.empty() ? "" : " ") + p.text + "@" + std::to_string(p.x) + "," + std::to_string(p.y) +
             "/" + std::to_string(p.page);
  return drawn;
}

}  // namespace

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

// Where one line of text is cut into pieces and where each piece is drawn.
TEST(DocumentsPrintLayout, ALineIsCutAndPlacedAsItsCharactersAndControlsSay) {
  const struct {
    const char* name;
    int32_t page_width;
    const char* text;
    const char* drawn;
  } cases[] = {
      {"inside words, not at spaces", 100, "one two three", "one two th@0,0/1 ree@0,22/1"},
      {"a wide character that does not fit goes to the next line", 100, "abcdefghW",  // 80 + 30 > 100
       "abcdefgh@0,0/1 W@0,22/1"},
      {"a character wider than the page is drawn, no endless loop", 20, "aWb", "a@0,0/1 W@0,22/1 b@0,44/1"},
      {"a tab beyond the page starts a new line", 100, "abcdefghi\tz",
       "abcdefghi@0,0/1 z@0,22/1"},  // 90 -> 160
      {"a form feed goes on on a new page", 100, "ab\fcd", "ab@0,0/1 cd@0,0/2"},
      {"a return ends the piece in place, a line feed starts a line", 100, "ab\rcd\nef",
       "ab@0,0/1 cd@20,0/1 ef@0,22/1"},
  };
  for (const auto& c : cases) {
    Fake_Printer device;
    device.page_width = c.page_width;
    Line_Printer printer(device);
    printer.Write(c.text);
    printer.End_Line();
    EXPECT_EQ(Drawn(device), c.drawn) << c.name;
  }
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
