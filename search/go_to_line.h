#pragma once
// Go to line: the caret to the line of a number the user typed.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/edit_area.h"
#include "platform/edit_search.h"
#include "platform/search_ui.h"
#include "search/search_texts.h"

// Drops every leading and trailing character of code 32 or below.
std::string Trim_Blanks(const std::string& text);
// The number the user typed, blanks around it aside: decimal with an optional
// sign, or hexadecimal after "$" or "0x"; nothing for anything else.
std::optional<int32_t> Typed_Line_Number(const std::string& typed);

// `typed` is what the input box returned; empty means Cancel. Lines are the
// edit area's (display lines under word wrap), numbered from 1; numbers below
// 1 mean line 1. The wanted line's trimmed text is searched as a whole word
// from the top until a hit lies on that line; a blank wanted line is reached
// through the next non-blank one and the caret then goes to its start. When
// no hit lies on the line (a line made only of signs is no whole word), the
// caret goes to the line's first non-blank character. Only a line past the
// last non-blank one puts the caret at the end of the text with a notice.
void Go_To_Line_Command(Edit_Area& edit, Edit_Search& search, Search_Ui& ui, const std::string& typed);
