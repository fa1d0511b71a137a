#pragma once
// The texts of the settings dialog and of the file-type bindings, UTF-8
// encoded; the window layer widens them to UTF-16.
#include <string>

#include "common/settings_model.h"

// OK's reminder of what a deep undo costs.
extern const char* const kUndo_Warning;

// The captions of the dialog's two pages, the hint of each sound row's check
// box (the event it sounds at) and of its two buttons.
extern const char* const kSettings_Page_Caption;
extern const char* const kSounds_Page_Caption;
extern const char* const kSound_Row_Hints[kSoundCount];
extern const char* const kBrowse_Hint;
extern const char* const kPlay_Hint;

// The filter of the open dialog for a sound file, each part ended by "|".
extern const char* const kSound_File_Filter;

// The error a binding that cannot write the registry shows.
extern const char* const kRegistry_Write_Failed;

// What the shell shows for a bound file type ("Файл TXT") and for the
// binding's edit command; registry values that earlier bindings wrote too.
std::string File_Type_Description(const std::string& type);
extern const char* const kEdit_Verb_Caption;
