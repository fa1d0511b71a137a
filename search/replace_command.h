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

// Replace all: the selection becomes `with`, then every match from behind it
// (or from the caret) to the end of the text; at the end the user may start
// over from the top, and again. Each pass takes the whole text once, replaces
// in one walk under the progress display and puts the result in at once as
// one undo step, the replacements counted first; a pass that replaces nothing
// leaves the text alone. A find text equal to `with` beeps instead of
// searching once the selection is replaced, and an empty one beeps at once.
// Leaves the caret at the end of the text.
//
// Esc, or a request to close the program, stops a pass before its result goes
// in: the text stays as it was before that pass, the caret too, and the
// status bar says the command was stopped.
void Replace_All(Search_Context& c, const Find_Query& query, const std::string& with);
