#pragma once
// Find, find next and the bookkeeping of the Find and Replace dialogs.
#include <string>

#include "common/settings_file.h"
#include "search/search_step.h"
#include "search/search_texts.h"

constexpr const char* kFindSection = "Find";
constexpr const char* kFindKey = "Text";
// The default of that key and the notice of a character Windows-1251 lacks
// are in search/search_texts.h.

// The Find dialog's text when it opens: the selection when there is one,
// otherwise the last search text of the settings file. Windows-1251, cut to
// what the dialog holds.
std::string Find_Preset(Settings_File& file, Edit_Area& edit);
// The Replace dialog's find text when it opens: the selection, possibly empty.
std::string Replace_Preset(Edit_Area& edit);

// The Find dialog's find-next button: one search under the Russian layout,
// then the find text goes to the settings file whatever the outcome. A
// refused write is reported once the search is over.
void Find_From_Dialog(Search_Context& c, Settings_File& file, const Find_Query& query);
// F3: the same search with the Find dialog's last text and options, or a
// beep when no search has run since start-up or the last document load.
void Find_Next(Search_Context& c, Settings_File& file, const Find_Query& query);

// The show and close events of either dialog; one counter serves both.
void Search_Dialog_Shown(Search_State& state, bool replace_dialog);
// `overwriting` is the edit area's mode, which panel 2 shows again.
void Search_Dialog_Closed(Search_State& state, bool replace_dialog, Status_Panels& panels, bool overwriting);
