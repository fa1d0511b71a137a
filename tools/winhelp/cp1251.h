// UTF-8 source text to the Windows-1251 bytes that help files of this
// generation store.
#pragma once

#include <optional>
#include <string>

namespace winhelp {

// Converts UTF-8 text to Windows-1251. Returns nothing when the text is not
// valid UTF-8 or holds a character that the code page lacks.
std::optional<std::string> utf8_to_cp1251(const std::string& utf8);

}  // namespace winhelp
