#pragma once
// The texts of find, replace and go to line, UTF-8 encoded; the window layer
// widens them to UTF-16.
#include <string>

// What the find field holds before anything was looked for.
extern const char* const kFindTextDefault;
// Find and replace work in Windows-1251: a character it lacks would be
// looked for, or put in, as '?'. The notice instead names the first one.
std::string Search_Outside_Win1251_Notice(const std::string& first);

// The questions at the end of the text; the second's line break is a single LF.
extern const char* const kFindAgainQuestion;
extern const char* const kReplaceAgainQuestion;

extern const char* const kGoToLinePrompt;
extern const char* const kGoToLineBadNumber;
extern const char* const kGoToLineMissing;
