#pragma once
// The forward search shared by find, find next and the Replace dialog.
#include <cstdint>
#include <string>

#include "platform/edit_area.h"
#include "platform/edit_search.h"
#include "platform/keyboard.h"
#include "platform/search_ui.h"
#include "platform/status_panels.h"
#include "platform/status_text.h"
#include "platform/whole_text.h"
#include "search/search_texts.h"

// The most characters the Find and Replace dialogs hold in either text field.
constexpr size_t kDialogTextLimit = 255;

// Everything a search command works on.
struct Search_Context {
  Edit_Area& Edit;
  Edit_Search& Search;
  Search_Ui& Ui;
  Keyboard& Keys;
  Search_State& State;
  // Replace all takes the whole text and puts its result in at once, with
  // its progress in the status bar.
  Whole_Text_Edits& Whole;
  Status_Panels& Panels;
};

// The dialog's find text (Windows-1251) and its match-case box.
struct Find_Query {
  std::string What;
  bool Match_Case = false;
};

enum class Step_Result { Found, Cancelled, Nothing_To_Find };

// Where a search begins: just behind a selection, or at the caret.
int32_t Search_Start(const Selection& selection);

// A text cut to what a dialog field holds.
std::string Dialog_Text(const std::string& text);

// Searches from Search_Start to the end of the text and selects the hit; when
// there is none, asks `question` and on OK starts over from the top. An empty
// find text finds nothing: it beeps and changes nothing. With `count_hit` the
// hit adds one to Search_Count before the selection moves, so the status
// refresh that the move causes already shows it.
Step_Result Search_Step(Search_Context& c, const Find_Query& query, const char* question, bool count_hit);
