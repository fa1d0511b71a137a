#include "text/translit.h"

namespace {

constexpr Translit_Entry Entry(const char* text)
{
    Translit_Entry entry{{0, 0, 0}, 0};
    while (text[entry.length] != '\0') {
        entry.text[entry.length] = text[entry.length];
        ++entry.length;
    }
    return entry;
}

constexpr Translit_Entry Single(int byte)
{
    return Translit_Entry{{static_cast<char>(byte), 0, 0}, 1};
}

// Capitals А..Я; the small letters are the same strings with the first
// letter small, except Ь, whose mark has no case.
constexpr const char* Capital_Letters[32] = {
    "A",  "B",  "V",   "G",  "D", "E", "Zh", "Z",  "I", "Y", "K",  "L",  "M", "N",  "O",  "P",
    "R",  "S",  "T",   "U",  "F", "H", "C",  "Ch", "Sh", "Sch", "", "I", "`", "E", "Yu", "Ya",
};
constexpr const char* Small_Letters[32] = {
    "a",  "b",  "v",   "g",  "d", "e", "zh", "z",  "i", "y", "k",  "l",  "m", "n",  "o",  "p",
    "r",  "s",  "t",   "u",  "f", "h", "c",  "ch", "sh", "sch", "", "i", "`", "e", "yu", "ya",
};

// Bytes 0x80..0x8F take the Latin capitals of the first sixteen letters.
constexpr const char* Low_Capitals[16] = {
    "A", "B", "V", "G", "D", "E", "J", "Z", "I", "Y", "K", "L", "M", "N", "O", "P",
};

constexpr std::array<Translit_Entry, 256> Make_Translit_Table()
{
    std::array<Translit_Entry, 256> table{};
    for (int b = 0x00; b <= 0x7F; ++b)
        table[b] = Single(b);
    for (int b = 0x80; b <= 0x8F; ++b)
        table[b] = Entry(Low_Capitals[b - 0x80]);
    // Left Cyrillic on purpose: the second half of the capitals block.
    for (int b = 0x90; b <= 0x9F; ++b)
        table[b] = Single(b + 0x40);
    for (int b = 0xA0; b <= 0xBF; ++b)
        table[b] = Entry(".");
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

std::string Translit_Text(const std::string& text, const Position_Callback& on_position)
{
    std::string result;
    result.reserve(text.size() + text.size() / 4);
    for (std::size_t i = 0; i < text.size(); ++i) {
        Report_Position(on_position, static_cast<std::int64_t>(i) + 1);
        result += Translit_Table[static_cast<unsigned char>(text[i])].view();
    }
    return result;
}
