#include "text/menu_conversion.h"

#include <array>

#include "text/byte_map.h"
#include "text/code_page_charts.h"

namespace {

Byte_Map Make_Map(Codepage source, Codepage target) {
  Byte_Map map{};
  for (int b = 0; b < 256; ++b) {
    const int to = Page_Byte(target, Page_Char(source, static_cast<std::uint8_t>(b)));
    map[b] = static_cast<std::uint8_t>(to >= 0 ? to : b);
  }
  return map;
}

using Map_Table = std::array<std::array<Byte_Map, Codepage_Count>, Codepage_Count>;

Map_Table Make_Maps() {
  Map_Table maps{};
  for (int s = 0; s < Codepage_Count; ++s)
    for (int t = 0; t < Codepage_Count; ++t) maps[s][t] = Make_Map(Codepage(s), Codepage(t));
  return maps;
}

}  // namespace

const Byte_Map& Menu_Conversion_Map(Codepage source, Codepage target) {
  static const Map_Table maps = Make_Maps();
  return maps[source][target];
}

void Convert_Menu_Run(std::string& text, std::size_t begin, std::size_t end, Codepage source,
                      Codepage target) {
  if (end <= begin) return;
  auto* bytes = reinterpret_cast<std::uint8_t*>(text.data()) + begin;
  Map_Byte_Run(bytes, bytes, end - begin, Menu_Conversion_Map(source, target));
}
