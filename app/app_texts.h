#pragma once
// The main window's own texts, UTF-8 encoded; the window layer widens them
// to UTF-16.
#include <string>

// The question before a file named on the command line that does not exist
// is made.
std::string Create_File_Question(const std::string& argument);
// The main window's caption until the first document names it.
extern const char* const kFirst_Window_Caption;
