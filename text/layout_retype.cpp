#include "text/byte_map.h"
#include "text/layout_retype.h"

namespace {

struct Key_Letter {
  std::uint8_t letter;  // Windows-1251
  std::uint8_t key;     // the US English character on the same key
};

// Small letters а..я, then ё; capitals follow in the same order.
constexpr Key_Letter Small_Keys[] = {
    {0xE0, 'f'}, {0xE1, ','},  {0xE2, 'd'}, {0xE3, 'u'}, {0xE4, 'l'}, {0xE5, 't'}, {0xE6, ';'},
    {0xE7, 'p'}, {0xE8, 'b'},  {0xE9, 'q'}, {0xEA, 'r'}, {0xEB, 'k'}, {0xEC, 'v'}, {0xED, 'y'},
    {0xEE, 'j'}, {0xEF, 'g'},  {0xF0, 'h'}, {0xF1, 'c'}, {0xF2, 'n'}, {0xF3, 'e'}, {0xF4, 'a'},
    {0xF5, '['}, {0xF6, 'w'},  {0xF7, 'x'}, {0xF8, 'i'}, {0xF9, 'o'}, {0xFA, ']'}, {0xFB, 's'},
    {0xFC, 'm'}, {0xFD, '\''}, {0xFE, '.'}, {0xFF, 'z'}, {0xB8, '`'},
};
constexpr Key_Letter Capital_Keys[] = {
    {0xC0, 'F'}, {0xC1, '<'}, {0xC2, 'D'}, {0xC3, 'U'}, {0xC4, 'L'}, {0xC5, 'T'}, {0xC6, ':'},
    {0xC7, 'P'}, {0xC8, 'B'}, {0xC9, 'Q'}, {0xCA, 'R'}, {0xCB, 'K'}, {0xCC, 'V'}, {0xCD, 'Y'},
    {0xCE, 'J'}, {0xCF, 'G'}, {0xD0, 'H'}, {0xD1, 'C'}, {0xD2, 'N'}, {0xD3, 'E'}, {0xD4, 'A'},
    {0xD5, '{'}, {0xD6, 'W'}, {0xD7, 'X'}, {0xD8, 'I'}, {0xD9, 'O'}, {0xDA, '}'}, {0xDB, 'S'},
    {0xDC, 'M'}, {0xDD, '"'}, {0xDE, '>'}, {0xDF, 'Z'}, {0xA8, '~'},
};

// Signs whose key gives a different sign in the Russian layout.
constexpr Key_Letter Russian_Signs[] = {
    {0xB9, '#'}, {';', '$'}, {'?', '&'}, {'.', '/'}, {',', '?'}, {'"', '@'}, {':', '^'},
};

constexpr std::uint8_t Full_Stop = '.';

// Bytes 0x80..0x9F are read as the capitals А..Я, and 0xA0..0xBF other than
// Ё, ё and № carry nothing either layout can type: both tables agree there.
constexpr void Fill_High_Half(Retype_Map& map) {
  for (int b = 0x80; b <= 0x9F; ++b) map[b] = static_cast<std::uint8_t>(b + 0x40);
  for (int b = 0xA0; b <= 0xBF; ++b) map[b] = Full_Stop;
}

constexpr Retype_Map Identity() {
  Retype_Map map{};
  for (int b = 0; b < 256; ++b) map[b] = static_cast<std::uint8_t>(b);
  return map;
}

constexpr Retype_Map Make_To_Russian() {
  Retype_Map map = Identity();
  Fill_High_Half(map);
  map[0xA8] = 0xA8;
  map[0xB8] = 0xB8;
  map[0xB9] = 0xB9;
  for (const Key_Letter& pair : Small_Keys) map[pair.key] = pair.letter;
  for (const Key_Letter& pair : Capital_Keys) map[pair.key] = pair.letter;
  for (const Key_Letter& sign : Russian_Signs) map[sign.key] = sign.letter;
  return map;
}

constexpr Retype_Map Make_To_Latin() {
  Retype_Map map = Identity();
  Fill_High_Half(map);
  map[0xB9] = '#';
  for (const Key_Letter& pair : Small_Keys) map[pair.letter] = pair.key;
  for (const Key_Letter& pair : Capital_Keys) map[pair.letter] = pair.key;
  // These two capitals go back as the unshifted bracket of their key.
  map[0xD5] = '[';
  map[0xDA] = ']';
  return map;
}

}  // namespace

constexpr Retype_Map To_Russian_Table = Make_To_Russian();
constexpr Retype_Map To_Latin_Table = Make_To_Latin();

std::string Retype_To_Russian(const std::string& text) { return Map_Bytes(text, To_Russian_Table); }

std::string Retype_To_Latin(const std::string& text) { return Map_Bytes(text, To_Latin_Table); }
