#include "search/go_to_line.h"

#include <algorithm>

#include "common/settings_file.h"
#include "common/text_match.h"

namespace {

bool Is_Blank(char c) { return static_cast<unsigned char>(c) <= 32; }

size_t Leading_Blanks(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && Is_Blank(text[i])) ++i;
  return i;
}

// A line index at or past the line count reads as an empty line.
std::string Line_Text(Edit_Area& edit, Edit_Search& search, int32_t line, int32_t count) {
  if (line < 0 || line >= count) return {};
  const int32_t start = edit.Line_Index(line);
  return search.Text_Range(start, start + edit.Line_Length(line));
}

// The offset the whole-word search from the top reaches on `line`, or the
// line's first non-blank character when no hit lies on it. The text up to
// the line is read once and walked here: asking the control for every
// earlier hit costs as much as the lines before it each time, so a line
// repeated tens of thousands of times above froze the window for seconds.
int32_t Search_Line(Edit_Area& edit, Edit_Search& search, int32_t line, const std::string& text) {
  if (line == 0) return 0;  // the search starts with the caret at the top, already on line 1
  const std::string word = Trim_Blanks(text);
  const int32_t line_start = edit.Line_Index(line);
  const int32_t fallback = line_start + int32_t(Leading_Blanks(text));
  if (word.empty()) return fallback;
  // A hit starting on the line ends within this, with one character to spare
  // for the whole-word test; later hits decide nothing.
  const int32_t reach = line_start + edit.Line_Length(line) + int32_t(word.size()) + 1;
  const std::string head = search.Text_Range(0, std::min(reach, edit.Text_Length()));
  // Hits never overlap: each search goes on behind the previous hit.
  for (size_t at = 0; at + word.size() <= head.size();) {
    if (!Matches_At(head, at, word, {false, true})) {
      ++at;
      continue;
    }
    if (int32_t(at) >= line_start) return edit.Line_From_Char(int32_t(at)) == line ? int32_t(at) : fallback;
    at += word.size();
  }
  return fallback;
}

}  // namespace

std::string Trim_Blanks(const std::string& text) {
  const size_t first = Leading_Blanks(text);
  size_t last = text.size();
  while (last > first && Is_Blank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::optional<int32_t> Typed_Line_Number(const std::string& typed) {
  // Blanks around the number come with copying it from somewhere; they say nothing.
  return Parse_Profile_Integer(Trim_Blanks(typed));
}

void Go_To_Line_Command(Edit_Area& edit, Edit_Search& search, Search_Ui& ui, const std::string& typed) {
  if (typed.empty()) return;
  const std::optional<int32_t> number = Typed_Line_Number(typed);
  if (!number) {
    ui.Notice(kGoToLineBadNumber);
    return;
  }
  const int32_t wanted = *number < 1 ? 0 : *number - 1;
  const int32_t count = edit.Line_Count();
  int32_t line = wanted;
  std::string text = Line_Text(edit, search, line, count);
  while (Trim_Blanks(text).empty() && line <= count) text = Line_Text(edit, search, ++line, count);
  int32_t caret;
  if (Trim_Blanks(text).empty()) {
    caret = edit.Text_Length();
    edit.Set_Selection(caret, caret);
    search.Scroll_To_Selection();
    ui.Notice(kGoToLineMissing);
    return;
  }
  caret = line == wanted ? Search_Line(edit, search, line, text) : edit.Line_Index(wanted);
  edit.Set_Selection(caret, caret);
  search.Scroll_To_Selection();
}
