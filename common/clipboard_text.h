#pragma once
// Line breaks at the clipboard's edge: the working text breaks lines with a
// lone CR, other programs expect CR LF on the clipboard.
#include <string>

// CR, LF and CR LF each become CR LF.
std::string To_Clipboard_Line_Breaks(const std::string& text);
// CR LF, LF and CR each become CR.
std::string From_Clipboard_Line_Breaks(const std::string& text);
