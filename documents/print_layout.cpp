#include "documents/print_layout.h"

namespace {
constexpr char kTab = '\t';
constexpr char kFormFeed = '\f';
constexpr char kReturn = '\r';
constexpr char kLineFeed = '\n';
constexpr int32_t kTabColumns = 8;
// Between lines: two pixels of a 96 DPI screen, at the printer's resolution.
constexpr int32_t kLineGap = 2;
constexpr int32_t kGapDpi = 96;
}  // namespace

void Line_Printer::Write(const std::string& text) {
  size_t piece = 0;
  for (size_t i = 0; i < text.size() && ok_; ++i) {
    const char c = text[i];
    if (c != kTab && c != kFormFeed && c != kReturn && c != kLineFeed) continue;
    Draw_Piece(text.data() + piece, i - piece);
    piece = i + 1;
    if (!ok_) return;
    if (c == kTab)
      Tab();
    else if (c == kFormFeed)
      New_Page();
    else if (c == kLineFeed)
      New_Line();
  }
  if (ok_) Draw_Piece(text.data() + piece, text.size() - piece);
}

// The longest start of the text that fits between x and the page's right
// edge. Widths only grow with length, so halving finds the same piece as
// dropping one character at a time from the end.
size_t Line_Printer::Fitting_Length(const char* text, size_t length) {
  const int32_t room = device_.Page_Width() - x_;
  if (device_.Text_Width(std::string(text, length)) <= room) return length;
  size_t fits = 0, too_long = length;
  while (too_long - fits > 1) {
    const size_t middle = fits + (too_long - fits) / 2;
    if (device_.Text_Width(std::string(text, middle)) <= room)
      fits = middle;
    else
      too_long = middle;
  }
  return fits;
}

void Line_Printer::Draw_Piece(const char* text, size_t length) {
  while (length > 0 && ok_) {
    size_t fits = Fitting_Length(text, length);
    if (fits == 0) {
      // A character wider than the whole page would never fit: draw it
      // anyway rather than start empty lines for ever.
      if (x_ > 0) {
        New_Line();
        continue;
      }
      fits = 1;
    }
    const std::string piece(text, fits);
    const int32_t height = device_.Text_Height(piece);
    if (line_height_ < height)
      line_height_ = height + int32_t((int64_t(kLineGap) * device_.Dots_Per_Inch() + kGapDpi / 2) / kGapDpi);
    ok_ = device_.Draw(x_, y_, piece);
    x_ += device_.Text_Width(piece);
    text += fits;
    length -= fits;
    if (length > 0 && ok_) New_Line();
  }
}

void Line_Printer::Tab() {
  const int32_t w = kTabColumns * device_.Average_Char_Width();
  if (w > 0) x_ = x_ + w - ((x_ + w + 1) % w) + 1;
  if (x_ > device_.Page_Width()) New_Line();
}

void Line_Printer::New_Line() {
  x_ = 0;
  if (line_height_ == 0) line_height_ = device_.Char_Height();
  y_ += line_height_;
  if (device_.Page_Height() - 2 * line_height_ < y_) New_Page();
  line_height_ = 0;
}

void Line_Printer::New_Page() {
  x_ = 0;
  y_ = 0;
  if (ok_) ok_ = device_.New_Page();
}
