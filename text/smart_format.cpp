#include "text/smart_format.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>

namespace {

constexpr char Line_End = '\r';
constexpr char Space = ' ';

}  // namespace

bool Smart_Format_Too_Short(std::size_t line_count) { return line_count < Smart_Format_Min_Lines; }

Line_List::Line_List(std::initializer_list<std::string_view> lines) {
  spans.reserve(lines.size());
  for (std::string_view line : lines) Append(line);
}

Line_List::Line_List(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size();
  text.reserve(size);
  spans.reserve(lines.size());
  for (const std::string& line : lines) Append(line);
}

void Line_List::Append(std::string_view line) {
  spans.push_back({text.size(), line.size()});
  text.append(line);
}

std::vector<std::string> Line_List::Strings() const {
  std::vector<std::string> lines;
  lines.reserve(size());
  for (std::size_t i = 0; i < size(); ++i) lines.emplace_back((*this)[i]);
  return lines;
}

Line_List Split_Lines(std::string text) {
  Line_List lines;
  lines.spans.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), Line_End)) + 1);
  const char* const begin = text.data();
  const char* const end = begin + text.size();
  for (const char* start = begin; start < end;) {
    const void* found = std::memchr(start, Line_End, static_cast<std::size_t>(end - start));
    const char* const line_end = found ? static_cast<const char*>(found) : end;
    lines.spans.push_back(
        {static_cast<std::size_t>(start - begin), static_cast<std::size_t>(line_end - start)});
    start = line_end + 1;
  }
  lines.text = std::move(text);
  return lines;
}

Line_List Cut_Display_Lines(std::string text, const std::vector<std::size_t>& line_starts) {
  Line_List lines;
  lines.spans.reserve(line_starts.size());
  // A line that starts at the very end is the empty one behind a final CR
  // (or the whole of an empty text): the editor shows it, it holds nothing.
  for (std::size_t k = 0; k < line_starts.size() && line_starts[k] < text.size(); ++k) {
    const std::size_t start = line_starts[k];
    std::size_t end = k + 1 < line_starts.size() ? line_starts[k + 1] : text.size();
    end = std::clamp(end, start, text.size());
    if (end > start && text[end - 1] == Line_End) --end;
    lines.spans.push_back({start, end - start});
  }
  lines.text = std::move(text);
  return lines;
}

namespace {

// The length of the line without its trailing bytes below 33.
std::size_t Trimmed_Length(std::string_view line) {
  std::size_t end = line.size();
  while (end > 0 && static_cast<unsigned char>(line[end - 1]) < 33) --end;
  return end;
}

bool Justifies_Trimmed(std::size_t trimmed_length, std::string_view next, std::size_t width) {
  const bool next_opens_paragraph = next.empty() || next[0] == Space;
  return trimmed_length >= 2 && trimmed_length < width && !next_opens_paragraph;
}

// Words and the runs of spaces between them are written eight bytes at a
// time; a run's last store may reach this far past the end of the line.
constexpr std::size_t Write_Slack = 8;

constexpr std::uint64_t Eight_Spaces = 0x2020202020202020ULL;

// The index of the first space among the eight bytes at c, or 8.
unsigned First_Space(const char* c) {
#if defined(__GNUC__) && defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
  std::uint64_t bytes;
  std::memcpy(&bytes, c, sizeof bytes);
  // A space becomes a zero byte; the lowest byte flagged is the first zero
  // (a borrow can only flag bytes above it).
  const std::uint64_t spaces_zeroed = bytes ^ Eight_Spaces;
  const std::uint64_t zero_bytes =
      (spaces_zeroed - 0x0101010101010101ULL) & ~spaces_zeroed & 0x8080808080808080ULL;
  return zero_bytes == 0 ? 8 : static_cast<unsigned>(__builtin_ctzll(zero_bytes)) / 8;
#else
  unsigned k = 0;
  while (k < 8 && c[k] != Space) ++k;
  return k;
#endif
}

// Writes count spaces at out, in stores that may run up to seven bytes further.
char* Write_Spaces(char* out, std::size_t count) {
  for (std::size_t k = 0; k < count; k += 8) std::memcpy(out + k, &Eight_Spaces, 8);
  return out + count;
}

// Writes line[0, length) widened to width, as Justify_Line describes, to
// out, which has room for max(length, width) + Write_Slack bytes. Returns the
// end of the line written; what lies beyond it is scrap.
char* Write_Justified(char* out, const char* line, std::size_t length, std::size_t width) {
  const char* const end = line + length;
  const char* const indent_end = std::find_if(line, end, [](char c) { return c != Space; });
  const std::size_t gaps = static_cast<std::size_t>(std::count(indent_end, end, Space));
  if (length >= width || gaps == 0) return std::copy(line, end, out);
  // Spaces are handed out one per space of the line, left to right, cycle
  // after cycle; each lands in the run of the space it was given to, so the
  // shares can be counted instead of inserted one by one.
  const std::size_t missing = width - length;
  const std::size_t share = missing / gaps;
  const std::size_t extra = missing % gaps;
  out = std::copy(line, indent_end, out);
  std::size_t gap = 0;
  // Eight bytes are stored whole up to the first space among them; every
  // later write starts where the line goes on, over what they left behind.
  const char* c = indent_end;
  while (end - c >= 8) {
    std::memcpy(out, c, 8);
    const unsigned word = First_Space(c);
    if (word == 8) {
      c += 8;
      out += 8;
      continue;
    }
    c += word + 1;
    out = Write_Spaces(out + word + 1, share + (gap < extra ? 1 : 0));
    ++gap;
  }
  for (; c < end; ++c) {
    *out++ = *c;
    if (*c == Space) {
      out = Write_Spaces(out, share + (gap < extra ? 1 : 0));
      ++gap;
    }
  }
  return out;
}

}  // namespace

std::string Right_Trim(std::string_view line) { return std::string(line.substr(0, Trimmed_Length(line))); }

Rebuilt_Lines Smart_Format_Rebuild(Line_List lines, const Position_Callback& on_position) {
  Rebuilt_Lines rebuilt;
  rebuilt.lines = std::move(lines);
  for (std::size_t i = 0; i < rebuilt.lines.size(); ++i) {
    Report_Position(on_position, static_cast<std::int64_t>(i));
    const std::size_t length = Trimmed_Length(rebuilt.lines[i]);
    rebuilt.lines.spans[i].length = length;
    rebuilt.Max_Line_Length = std::max(rebuilt.Max_Line_Length, length);
  }
  return rebuilt;
}

std::string Join_Lines(const Line_List& lines) {
  std::string text;
  std::size_t size = 0;
  for (const Line_Span& span : lines.spans) size += span.length + 1;
  text.reserve(size);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    text += lines[i];
    text += Line_End;
  }
  return text;
}

bool Smart_Format_Justifies(std::string_view line, std::string_view next, std::size_t width) {
  return Justifies_Trimmed(Trimmed_Length(line), next, width);
}

std::string Justify_Line(std::string_view line, std::size_t width) {
  std::string result(std::max(width, line.size()) + Write_Slack, Space);
  result.resize(static_cast<std::size_t>(Write_Justified(result.data(), line.data(), line.size(), width) -
                                         result.data()));
  return result;
}

std::string Smart_Format_Justify(const Line_List& lines, std::size_t width,
                                 const Position_Callback& on_position) {
  auto next_of = [&lines](std::size_t i) { return i + 1 < lines.size() ? lines[i + 1] : std::string_view(); };
  // The lines go straight into the document. Its room comes from the sizes
  // the lines hold, without reading their text a second time: no line comes
  // out longer than the longer of its size and width. Should width exceed
  // most lines only because one is very long, the room is held to twice
  // the text, and the string grows beyond it if it must.
  std::size_t text_size = 0;
  std::size_t widened_size = 0;
  for (const Line_Span& span : lines.spans) {
    text_size += span.length + 1;
    widened_size += std::max(span.length, width) + 1;
  }
  std::string text;
  text.reserve(std::min(widened_size, 2 * text_size));
  // One widened line at a time is laid out in a room that stays in the
  // cache, then appended: the document itself is written once.
  std::string widened(width + Write_Slack, Space);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    Report_Position(on_position, static_cast<std::int64_t>(i));
    const std::string_view line = lines[i];
    const std::size_t length = Trimmed_Length(line);
    if (Justifies_Trimmed(length, next_of(i), width)) {
      char* const end = Write_Justified(widened.data(), line.data(), length, width);
      text.append(widened.data(), static_cast<std::size_t>(end - widened.data()));
    } else {
      text.append(line.data(), length);
    }
    text += Line_End;
  }
  return text;
}
