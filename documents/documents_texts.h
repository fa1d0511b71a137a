#pragma once
// The texts of the documents' commands, UTF-8 encoded; the window layer
// widens them to UTF-16.
#include <cstddef>
#include <string>

#include "common/file_encoding.h"
#include "platform/document_text.h"

// The mode panel's texts after an intake that ended with a part of the file,
// and the message for a file that changed while it came in.
extern const char* const kIntakeStoppedText;
extern const char* const kIntakeBrokenText;
std::string File_Changed_During_Intake_Text(const std::string& path);

// The questions and the report of the copies a run that did not close
// cleanly left behind, and the time a copy was taken as they name it:
// "09.12.2026 в 10:15".
std::string Recover_Question(const std::string& name, const std::string& when);
std::string Damaged_Recovery_Text(const std::string& copy);
std::string Kept_Copy_Question(const std::string& file, const std::string& copy);
std::string Recovery_Time_Text(unsigned day, unsigned month, unsigned year, unsigned hour, unsigned minute);

// A file the edit area has no room for, and one that is not UTF-8 after all.
std::string Too_Large_Text(const std::string& path, const Memory_Need& need);
std::string Not_Utf8_File_Text(const std::string& path);
// The questions before a save over the document's own file.
std::string Partial_Save_Question(const std::string& path);
std::string Changed_On_Disk_Question(const std::string& path);

// The question Save asks when the text does not fit in its 8-bit page: Yes
// saves in UTF-8, No in the page with '?' for those characters, Cancel
// saves nothing, and then the user is told so (Not_Saved_Text).
std::string Outside_Encoding_Question(const Characters_Outside& outside,
                                      File_Encoding encoding = File_Encoding::Win);
std::string Not_Saved_Text(const std::string& path);
// The warning when an 8-bit page lacking some of the text's characters is
// chosen for the next save.
std::string Outside_Chosen_Encoding_Warning(const Characters_Outside& outside, File_Encoding encoding);

extern const char* const kSaveChangesQuestion;
extern const char* const kHistoryFileMissing;
extern const char* const kClipboardNotText;
// The one item of the history menu while it is empty.
extern const char* const kEmptyHistoryCaption;

// A printer's failure the system has no words for.
std::string Printer_Error_Text(unsigned long code);
