#pragma once
// The texts the text commands show, UTF-8 encoded; the window layer widens
// them to UTF-16.
#include <string>

// "Перевести из DOS в WIN кодировку": a conversion's menu caption, by the
// three-letter names of its pages.
std::string Conversion_Caption_Text(const char* source_name, const char* target_name);

// A command that would lose the text's characters Windows-1251 lacks refuses
// to run, naming the first of them.
std::string Outside_Win1251_Refusal(const std::wstring& first);

// What "Определить кодировку" found, in status panel 1 in place of the line
// count until the status bar is next refreshed: " Распознано: KOI" and so on.
// That panel shows in the narrowest window, and the insert mode beside it stays.
std::string Recognized_Status_Text(const std::string& page_name);
extern const char* const kNot_Recognized_Status;
extern const char* const kNot_Recognized_Notice;
extern const char* const kAlready_Win_Notice;
extern const char* const kNot_Utf8_Notice;
// The text holds a character Windows-1251 lacks, so it never was a file read as WIN.
std::string Not_File_Bytes_Notice(const std::string& first_character);

// The warning smart formatting asks first (Yes/No), six lines separated by
// CR, and the notice shown at the end (OK). Both are captioned with the
// program's caption.
extern const char* const Smart_Format_Warning;
extern const char* const Smart_Format_Done;
