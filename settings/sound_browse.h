#pragma once
// Where the browse button of a sound row opens the file dialog: at the row's
// own file, a name without a folder being taken from the program's folder as
// the sounds are played, or, when that file is not there, in the program's
// Sound folder. Never the folder of the last document.
#include <string>

#include "platform/files.h"

struct Sound_Browse_Start {
  std::string File;    // the file to show chosen, or empty
  std::string Folder;  // the folder to open in when there is no file
};

Sound_Browse_Start Sound_Browse_Start_Of(const std::string& row_file, const std::string& exe_path,
                                         Files& files);
