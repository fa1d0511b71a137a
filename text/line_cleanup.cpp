#include "text/line_cleanup.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

// Each command walks its text in chunks: the chunk's positions go to the
// callback in one tight loop, before or after the chunk's work, and the work
// itself runs without a call per byte (spans found with memchr are appended
// whole). The callback sees the same positions in the same order as a loop
// reporting byte by byte; it cannot see the result before the command returns.

namespace {

constexpr char Space = ' ';
constexpr char Tab = '\t';

// Input bytes per chunk.
constexpr std::size_t Chunk = 16384;

bool Is_At(const std::string& text, std::size_t i, char c) { return i < text.size() && text[i] == c; }

// The first c in text[from, to), or to.
std::size_t Find(const std::string& text, std::size_t from, std::size_t to, char c) {
  const void* found = std::memchr(text.data() + from, c, to - from);
  return found ? static_cast<std::size_t>(static_cast<const char*>(found) - text.data()) : to;
}

void Report_Positions(const Position_Callback& on_position, std::int64_t first, std::int64_t last) {
  if (on_position)
    for (std::int64_t position = first; position <= last; ++position) on_position(position);
}

// Reports the positions result.size() + 1 onwards for the bytes appended
// since the previous report.
class Output_Positions {
 public:
  Output_Positions(const Position_Callback& on_position, const std::string& result)
      : on_position_(on_position), result_(result) {}

  void Report() {
    const auto size = static_cast<std::int64_t>(result_.size());
    Report_Positions(on_position_, reported_ + 1, size);
    reported_ = size;
  }

 private:
  const Position_Callback& on_position_;
  const std::string& result_;
  std::int64_t reported_ = 0;
};

}  // namespace

std::string Remove_Line_Breaks(const std::string& text, const Position_Callback& on_position) {
  // Each chunk is copied and then mended while it is still in the cache;
  // a copy of the whole text first would leave the mending to memory.
  std::string result;
  result.reserve(text.size());
  for (std::size_t start = 0; start < text.size(); start += Chunk) {
    const std::size_t stop = std::min(text.size(), start + Chunk);
    Report_Positions(on_position, static_cast<std::int64_t>(start) + 1, static_cast<std::int64_t>(stop));
    result.append(text, start, stop - start);
    for (std::size_t i = Find(text, start, stop, Line_Break); i < stop;
         i = Find(text, i + 1, stop, Line_Break)) {
      const bool after_break = i > 0 && text[i - 1] == Line_Break;
      const bool before_space = Is_At(text, i + 1, Space);
      const bool before_break = Is_At(text, i + 1, Line_Break);
      if (!after_break && !before_space && !before_break) result[i] = Space;
    }
  }
  return result;
}

std::string Remove_Line_Start_Space(const std::string& text, const Position_Callback& on_position) {
  std::string result;
  result.reserve(text.size());
  Output_Positions positions(on_position, result);
  std::size_t i = Is_At(text, 0, Space) ? 1 : 0;
  while (i < text.size()) {
    const std::size_t stop = std::min(text.size(), i + Chunk);
    while (i < stop) {
      // Up to and with the next CR, which the chunk may end before.
      const std::size_t line_end = std::min(Find(text, i, stop, Line_Break) + 1, stop);
      result.append(text, i, line_end - i);
      i = line_end;
      if (text[i - 1] == Line_Break && Is_At(text, i, Space)) ++i;  // the one space this line loses
    }
    positions.Report();
  }
  return result;
}

namespace {

// Copies the text with every run of spaces shortened to the length `keep`
// gives for it (from the run's start to the first byte after it, never more
// than the run). The iterations it reports are one per byte that is not a
// space and one per run.
template <typename Keep>
std::string Rewrite_Space_Runs(const std::string& text, const Position_Callback& on_position, Keep keep) {
  // Runs only shrink, so the result never runs ahead of the text: its room
  // is the text's length, reserved at once and laid out in spaces chunk by
  // chunk, while it is in the cache. A kept run is then stepped over rather
  // than written. Words are a few bytes long, too short for a call per word.
  std::string result;
  result.reserve(text.size());
  // Plain pointers and a local length: stores through a char pointer could
  // otherwise alias the strings' own fields and force reloads per byte.
  const char* const in = text.data();
  const std::size_t size = text.size();
  std::size_t out = 0;
  std::int64_t iteration = 0;
  std::size_t i = 0;
  auto room_to = [&result](std::size_t end) {
    if (result.size() < end) result.resize(end, Space);  // within the reserve: data() stays
    return result.data();
  };
  while (i < size) {
    const std::size_t stop = std::min(size, i + Chunk);
    char* const room = room_to(stop);
    const std::int64_t first = iteration + 1;
    while (i < stop) {
      if (in[i] != Space) {
        room[out++] = in[i++];
        ++iteration;
        continue;
      }
      // A run is taken whole even where it reaches into the next chunk.
      std::size_t end = i + 1;
      while (end < size && in[end] == Space) ++end;
      room_to(end);
      out += keep(i, end);
      ++iteration;
      i = end;
    }
    Report_Positions(on_position, first, iteration);
  }
  result.resize(out);
  return result;
}

}  // namespace

std::string Squeeze_Spaces(const std::string& text, const Position_Callback& on_position) {
  return Rewrite_Space_Runs(text, on_position, [&text](std::size_t i, std::size_t end) -> std::size_t {
    const bool keeps_whole = i == 0 || text[i - 1] == Line_Break || Is_At(text, end, Line_Break);
    return keeps_whole ? end - i : 1;
  });
}

std::string Remove_Trailing_Spaces(const std::string& text, const Position_Callback& on_position) {
  return Rewrite_Space_Runs(text, on_position, [&text](std::size_t i, std::size_t end) -> std::size_t {
    return Is_At(text, end, Line_Break) ? 0 : end - i;
  });
}

std::string Replace_Tabs(const std::string& text, const Position_Callback& on_position) {
  constexpr std::size_t Tab_Width = 4;
  // Sized by the tabs first: growing on the way would copy what is done.
  const auto tabs = static_cast<std::size_t>(std::count(text.begin(), text.end(), Tab));
  std::string result;
  result.reserve(text.size() + tabs * (Tab_Width - 1));
  Output_Positions positions(on_position, result);
  for (std::size_t start = 0; start < text.size(); start += Chunk) {
    const std::size_t stop = std::min(text.size(), start + Chunk);
    for (std::size_t i = start; i < stop;) {
      const std::size_t tab = Find(text, i, stop, Tab);
      result.append(text, i, tab - i);
      if (tab < stop) result.append(Tab_Width, Space);
      i = tab + 1;
    }
    positions.Report();
  }
  return result;
}

std::string Add_Spaces_Into_Words(const std::string& text, const Position_Callback& on_position) {
  if (text.empty()) return text;
  char spaced[2 * Chunk];
  std::string result;
  result.reserve(text.size() * 2 - 1);
  const std::size_t spaced_bytes = text.size() - 1;  // every byte but the last
  for (std::size_t start = 0; start < spaced_bytes; start += Chunk) {
    const std::size_t count = std::min(Chunk, spaced_bytes - start);
    Report_Positions(on_position, static_cast<std::int64_t>(start) + 1,
                     static_cast<std::int64_t>(start + count));
    for (std::size_t k = 0; k < count; ++k) {
      spaced[2 * k] = text[start + k];
      spaced[2 * k + 1] = Space;
    }
    result.append(spaced, 2 * count);
  }
  result += text.back();
  return result;
}
