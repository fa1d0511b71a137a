#pragma once
// The code-page menu's conversions of the document. Every character both
// pages hold goes to its byte in the target page: the 64 letters, Ё and ё,
// №, « », the no-break space, °, the Ukrainian and Belarusian letters and
// whatever else the two charts share. A byte whose character the target
// lacks stays as it is, so the length of the text never changes.
// (codepages.h keeps the letters-only tables of `lirovant-text convert
// --letters-only`.)
#include <cstdint>
#include <string>

#include "text/codepages.h"

// One 256-byte table for the ordered pair, built from the full charts.
const Byte_Map& Menu_Conversion_Map(Codepage source, Codepage target);

// The text's bytes [begin, end) converted in place.
void Convert_Menu_Run(std::string& text, std::size_t begin, std::size_t end, Codepage source,
                      Codepage target);
