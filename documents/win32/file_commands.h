#pragma once
// The document commands that the main window itself calls.
#include <string>

// Whether the main window may close: the unsaved-changes guard answers.
bool FormCloseQuery();
// Puts the text of the document named on the command line into the edit
// area, every byte of it.
void Put_Start_Up_Text(const std::string& working_text);
