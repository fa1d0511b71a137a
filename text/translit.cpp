#include "text/translit.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr Translit_Entry Entry(const char* text) {
  Translit_Entry entry{{0, 0, 0}, 0};
  while (text[entry.length] != '\0') {
    entry.text[entry.length] = text[entry.length];
    ++entry.length;
  }
  return entry;
}

constexpr Translit_Entry Single(int byte) { return Translit_Entry{{static_cast<char>(byte), 0, 0}, 1}; }

// Capitals А..Я; the small letters are the same strings with the first
// letter small, except Ь, whose mark has no case.
constexpr const char* Capital_Letters[32] = {
    "A", "B", "V", "G", "D", "E", "Zh", "Z",  "I",  "Y",   "K", "L", "M", "N", "O",  "P",
    "R", "S", "T", "U", "F", "H", "C",  "Ch", "Sh", "Sch", "",  "I", "`", "E", "Yu", "Ya",
};
constexpr const char* Small_Letters[32] = {
    "a", "b", "v", "g", "d", "e", "zh", "z",  "i",  "y",   "k", "l", "m", "n", "o",  "p",
    "r", "s", "t", "u", "f", "h", "c",  "ch", "sh", "sch", "",  "i", "`", "e", "yu", "ya",
};

// Bytes 0x80..0x8F take the Latin capitals of the first sixteen letters.
constexpr const char* Low_Capitals[16] = {
    "A", "B", "V", "G", "D", "E", "J", "Z", "I", "Y", "K", "L", "M", "N", "O", "P",
};

constexpr std::array<Translit_Entry, 256> Make_Translit_Table() {
  std::array<Translit_Entry, 256> table{};
  for (int b = 0x00; b <= 0x7F; ++b) table[b] = Single(b);
  for (int b = 0x80; b <= 0x8F; ++b) table[b] = Entry(Low_Capitals[b - 0x80]);
  // Left Cyrillic on purpose: the second half of the capitals block.
  for (int b = 0x90; b <= 0x9F; ++b) table[b] = Single(b + 0x40);
  for (int b = 0xA0; b <= 0xBF; ++b) table[b] = Entry(".");
  table[0xA8] = Entry("Yo");
  table[0xB8] = Entry("yo");
  table[0xB9] = Entry("#");
  for (int k = 0; k < 32; ++k) {
    table[0xC0 + k] = Entry(Capital_Letters[k]);
    table[0xE0 + k] = Entry(Small_Letters[k]);
  }
  return table;
}

}  // namespace

constexpr std::array<Translit_Entry, 256> Translit_Table = Make_Translit_Table();

namespace {

// The entry's three text bytes and its length byte are stored as one
// four-byte word; only the first `length` of them count, the rest is
// overwritten by the next entry or cut off at the end.
static_assert(sizeof(Translit_Entry) == 4, "an entry is copied as one four-byte word");

// Input bytes per chunk: the positions of a chunk are reported in one tight
// loop, then the chunk is transliterated without a call per byte.
constexpr std::size_t Chunk = 4096;

// Writes the entries of count bytes from in to out, which has room for their
// length plus three bytes; returns the length.
std::size_t Translit_Chunk(const unsigned char* in, std::size_t count, char* out) {
  char* next = out;
  for (std::size_t i = 0; i < count; ++i) {
    const Translit_Entry& entry = Translit_Table[in[i]];
    std::memcpy(next, &entry, sizeof entry);
    next += entry.length;
  }
  return static_cast<std::size_t>(next - out);
}

void Report_Positions(const Position_Callback& on_position, std::int64_t first, std::int64_t last) {
  if (on_position)
    for (std::int64_t position = first; position <= last; ++position) on_position(position);
}

}  // namespace

std::string Translit_Text(const std::string& text, const Position_Callback& on_position) {
  char chunk[3 * Chunk + sizeof(Translit_Entry)];
  std::string result;
  // Russian prose grows by about a tenth; longer results grow the string
  // geometrically, which keeps the whole linear.
  result.reserve(text.size() + text.size() / 4);
  const auto* in = reinterpret_cast<const unsigned char*>(text.data());
  for (std::size_t done = 0; done < text.size(); done += Chunk) {
    const std::size_t count = std::min(Chunk, text.size() - done);
    Report_Positions(on_position, static_cast<std::int64_t>(done) + 1,
                     static_cast<std::int64_t>(done + count));
    result.append(chunk, Translit_Chunk(in + done, count, chunk));
  }
  return result;
}
