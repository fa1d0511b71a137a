#pragma once
// The Replace dialog's three buttons.
#include <string>

#include "search/search_step.h"

// Find next of the Replace dialog: the search step under the Russian layout,
// without counting and without touching the settings file.
void Find_Next_For_Replace(Search_Context& c, const Find_Query& query);

// Replace: whatever the selection holds becomes `with` (Windows-1251) and is
// counted, then the next match is selected. With no selection it only searches.
void Replace_Selection_And_Find(Search_Context& c, const Find_Query& query, const std::string& with);

// Replace all: the selection, then every match from behind it to the end of
// the text, one replacement at a time with a repaint after each while the main
// window refuses input; at the end the user may start over from the top. A
// find text equal to `with` or empty beeps instead of searching. Leaves the
// caret at the end of the text.
void Replace_All(Search_Context& c, const Find_Query& query, const std::string& with);
