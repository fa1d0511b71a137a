#pragma once
// The texts the platform's seams show, UTF-8 encoded; the window layer widens
// them to UTF-16.
#include <cstddef>
#include <cstdint>
#include <string>

// The status bar: the caret's place, the counts, the insert mode and the
// mark of a file whose line ends were mixed.
std::string Line_Column_Text(int32_t line0, int32_t column);
std::string Line_Count_Text(int32_t count);
std::string Found_Count_Text(int32_t count);
std::string Replaced_Count_Text(int32_t count);
extern const char* const kInsertText;
extern const char* const kOverwriteText;
extern const char* const kMixed_Line_Ends_Mark;  // " (смеш.)"

// The status bar's share of the text taken in: "Загружено: 37%".
std::string Intake_Progress_Text(std::size_t taken, std::size_t total);

// Texts of the status bar while a long command runs: the label of a one-pass
// command, the labels of the two passes of smart formatting, and panel 1
// after a stopped command, until the status bar is next refreshed.
extern const char* const Progress_Label;
extern const char* const Progress_Label_First_Pass;
extern const char* const Progress_Label_Second_Pass;
extern const char* const kCommand_Stopped_Status;

// The text of the keyboard layout slider's label for modes 1 to 4.
const char* Layout_Mode_Label(int32_t mode);

// The message when neither the help file nor the page could be shown.
std::string Help_Missing_Text(const std::string& page);

// The file dialogs' filters: pairs of description and pattern, every part
// ended by "|".
extern const char* const kOpen_Filter;
extern const char* const kSave_Filter;

// What a system error means, in the program's own words for the failures a
// file meets most; an error of no such words, as the system fails to word it.
extern const char* const kError_Access_Denied;
extern const char* const kError_Read_Only;
extern const char* const kError_In_Use;
extern const char* const kError_Disk_Full;
extern const char* const kError_No_File;
extern const char* const kError_No_Folder;
extern const char* const kError_Bad_Name;
extern const char* const kError_Write_Protected;
extern const char* const kError_Not_Ready;
extern const char* const kError_No_Memory;
extern const char* const kError_Too_Large;
std::string System_Error_Number_Text(unsigned long error);
