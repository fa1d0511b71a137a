#pragma once
// Smart formatting: freezes the document's line layout into hard line breaks,
// strips trailing blanks and justifies the lines of each paragraph to the
// longest line by widening the gaps between words.
//
// The command frame:
//   lines = Split_Lines(text) with word wrap off, or
//           Cut_Display_Lines(text, starts) with the display lines' starts;
//   if Smart_Format_Too_Short(lines.size()): default beep, stop;
//   ask Smart_Format_Warning (Yes/No); on No stop;
//   progress.Begin(lines.size());
//   rebuilt = Smart_Format_Rebuild(std::move(lines), on_position); // "Делаю раз:"
//   progress.Restart(); empty the marks;                             // "Делаю два:"
//   text = Smart_Format_Justify(rebuilt.lines, rebuilt.Max_Line_Length, on_position);
//   replace the whole document by text; empty the undo history;
//   show Smart_Format_Done (OK).
//
// The justify pass works on the lines that the rebuild produced, not on lines
// read back from the editor: a justified line that re-wraps on screen would
// otherwise shift every later display line under the loop.
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "platform/progress.h"
#include "text/text_texts.h"

// A document of fewer lines only beeps.
constexpr std::size_t Smart_Format_Min_Lines = 2;
bool Smart_Format_Too_Short(std::size_t line_count);

// Smart_Format_Warning and Smart_Format_Done are in text/text_texts.h.

// Lines held as views into one buffer. A document of hundreds of thousands
// of lines would otherwise take a heap block per line, and freeing them
// grows faster than the document does.
struct Line_Span {
  std::size_t start = 0;  // offset in the buffer
  std::size_t length = 0;
};

struct Line_List {
  std::string text;              // the buffer; bytes outside the spans belong to no line
  std::vector<Line_Span> spans;  // one per line, in order

  Line_List() = default;
  // Copies the lines into a buffer of their own; for callers and tests that
  // hold the lines as strings.
  Line_List(std::initializer_list<std::string_view> lines);
  Line_List(const std::vector<std::string>& lines);

  std::size_t size() const { return spans.size(); }
  bool empty() const { return spans.empty(); }
  std::string_view operator[](std::size_t i) const {
    return std::string_view(text.data() + spans[i].start, spans[i].length);
  }
  // Copies the line to the end of the buffer.
  void Append(std::string_view line);
  // Every line as a string of its own, for callers that keep them so.
  std::vector<std::string> Strings() const;
};

// The lines of a working text as the editor counts them with word wrap off:
// the text between CRs, without them. The empty line behind a final CR is not
// a line, so an empty text has none. The text becomes the buffer.
Line_List Split_Lines(std::string text);

// The display lines of a working text under word wrap, given the offset at
// which each display line starts (ascending, the first 0). A line runs to the
// next start, less its CR; a final empty line is not counted. The text
// becomes the buffer.
Line_List Cut_Display_Lines(std::string text, const std::vector<std::size_t>& line_starts);

// The line without its trailing bytes below 33 (blanks and control bytes).
std::string Right_Trim(std::string_view line);

struct Rebuilt_Lines {
  Line_List lines;                  // every line right-trimmed
  std::size_t Max_Line_Length = 0;  // the longest of them
};

// First pass. on_position sees the line index 0..count-1 before each line.
// The lines keep their buffer; only their spans are shortened.
Rebuilt_Lines Smart_Format_Rebuild(Line_List lines, const Position_Callback& on_position = {});

// The text of the lines, each followed by one CR (the last one too).
std::string Join_Lines(const Line_List& lines);

// Whether a line is widened: it is at least 2 bytes, shorter than width, and
// the line after it (the next line, or "" behind the last) is neither empty
// nor indented with a space.
bool Smart_Format_Justifies(std::string_view line, std::string_view next, std::size_t width);

// The line widened to width bytes: the spaces behind its indentation each take
// an equal share of the missing bytes, the leftmost one more while some remain.
// A line without such spaces, or not shorter than width, comes back as it is.
std::string Justify_Line(std::string_view line, std::size_t width);

// Second pass over the rebuilt lines; the result is the finished document,
// every line followed by CR. on_position sees the line index 0..count-1.
std::string Smart_Format_Justify(const Line_List& lines, std::size_t width,
                                 const Position_Callback& on_position = {});
