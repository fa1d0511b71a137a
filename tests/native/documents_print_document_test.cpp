#include <gtest/gtest.h>

#include "documents/print_document.h"
#include "fakes/fake_platform.h"
#include "fakes/view_fakes.h"

namespace {

// Display lines of `width` characters, as an edit area with word wrap shows
// a long paragraph.
class Wrapped_Edit : public Fake_Edit {
 public:
  explicit Wrapped_Edit(int32_t width) : width_(width) {}
  int32_t Line_Count() override { return int32_t(Starts().size()); }
  int32_t Line_Index(int32_t line) override { return Starts()[size_t(line)]; }
  int32_t Line_Length(int32_t line) override {
    const auto starts = Starts();
    int32_t end = line + 1 < int32_t(starts.size()) ? starts[size_t(line) + 1] : int32_t(text.size());
    if (end > starts[size_t(line)] && text[size_t(end) - 1] == '\r') --end;
    return end - starts[size_t(line)];
  }

 private:
  std::vector<int32_t> Starts() {
    std::vector<int32_t> starts{0};
    int32_t column = 0;
    for (int32_t i = 0; i < int32_t(text.size()); ++i) {
      if (text[size_t(i)] == '\r') {
        starts.push_back(i + 1);
        column = 0;
      } else if (++column == width_ && i + 1 < int32_t(text.size()) && text[size_t(i) + 1] != '\r') {
        starts.push_back(i + 1);
        column = 0;
      }
    }
    return starts;
  }
  int32_t width_;
};

}  // namespace

// The printed lines are the display lines without their breaks: the
// paragraphs, or the pieces word wrap cuts a long one into (`wrap` wide).
TEST(DocumentsPrintDocument, LinesAreTheDisplayLinesWithoutTheirBreaks) {
  const struct {
    const char* text;
    int32_t wrap;
    std::vector<std::string> lines;
  } cases[] = {
      {"one\rtwo\r\rfour", 0, {"one", "two", "", "four"}},
      {"one\rtwo\r", 0, {"one", "two"}},  // a final line break gives no extra line
      {"one\r\r", 0, {"one", ""}},
      {"", 0, {}},
      {"abcdefghij\rxy", 4, {"abcd", "efgh", "ij", "xy"}},
  };
  for (const auto& c : cases) {
    Fake_Edit plain;
    Wrapped_Edit wrapped(c.wrap);
    Fake_Edit& edit = c.wrap ? wrapped : plain;
    edit.text = c.text;
    EXPECT_EQ(Printed_Lines(edit), c.lines) << c.text;
  }
}

TEST(DocumentsPrintDocument, LinesAreCutAtTheReadLimit) {
  Fake_Edit edit;
  edit.text = std::string(5000, 'a') + "\rb";
  const auto lines = Printed_Lines(edit);
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].size(), size_t(kPrintedLineLimit));
  EXPECT_EQ(lines[1], "b");
}

TEST(DocumentsPrintDocument, EmptyDocumentStartsAndEndsAJobWithoutDrawing) {
  Fake_Printer device;
  EXPECT_TRUE(Print_Lines({}, device));
  EXPECT_EQ(device.events, (std::vector<std::string>{"start", "end"}));
  EXPECT_TRUE(device.pieces.empty());
}

TEST(DocumentsPrintDocument, EveryLineEndsWithANewLine) {
  Fake_Printer device;
  ASSERT_TRUE(Print_Lines({"a", "", "b"}, device));
  ASSERT_EQ(device.pieces.size(), 2u);
  EXPECT_EQ(device.pieces[0].y, 0);
  EXPECT_EQ(device.pieces[1].y, 22 + 20);
}

TEST(DocumentsPrintDocument, FailedPrinterAbortsTheJob) {
  Fake_Printer device;
  device.fail_on_draw = 0;
  EXPECT_FALSE(Print_Lines({"a", "b"}, device));
  EXPECT_EQ(device.events, (std::vector<std::string>{"start", "abort"}));
}
