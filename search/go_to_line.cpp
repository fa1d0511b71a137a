#include "search/go_to_line.h"

#include "common/settings_file.h"

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

// The offset the whole-word search reaches on `line`, or the line's first
// non-blank character when no hit lies on it.
int32_t Search_Line(Edit_Area& edit, Edit_Search& search, int32_t line, const std::string& text) {
  const std::string word = Trim_Blanks(text);
  const int32_t length = edit.Text_Length();
  int32_t caret = 0;
  int32_t from = 0;
  for (;;) {
    const int32_t caret_line = edit.Line_From_Char(caret);
    if (caret_line == line) return caret;
    // Hits only move forward: once past the line, none will land on it.
    if (caret_line > line) break;
    const int32_t hit = search.Find(word, from, length, {false, true});
    if (hit < 0) break;
    caret = hit;
    from = hit + int32_t(word.size());
  }
  return edit.Line_Index(line) + int32_t(Leading_Blanks(text));
}

}  // namespace

std::string Trim_Blanks(const std::string& text) {
  const size_t first = Leading_Blanks(text);
  size_t last = text.size();
  while (last > first && Is_Blank(text[last - 1])) --last;
  return text.substr(first, last - first);
}

std::optional<int32_t> Typed_Line_Number(const std::string& typed) { return Parse_Profile_Integer(typed); }

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
