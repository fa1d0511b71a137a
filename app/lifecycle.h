#pragma once
// The main window's first activation and close, over the platform seams.
#include <optional>
#include <string>
#include <vector>

#include "app/app_texts.h"
#include "common/settings_file.h"
#include "app/startup_settings.h"
#include "platform/files.h"
#include "platform/prompts.h"
#include "platform/shell.h"
#include "platform/sound.h"

struct Command_Line_Document {
  std::string Name;  // the document name (caption)
  // The file as read, when one was: it goes into the edit area by the same
  // rule as a file chosen in the open dialog, rich text included.
  Shared_File_Bytes Bytes;
};

// The document named by the command line: exactly one argument loads that file
// or, when there is none of that name, offers to create it; a file that is
// there but cannot be read is reported and the document stays untitled. A relative name answered Yes
// goes behind the program prefix; a rooted one stays as it stands.
Command_Line_Document Open_Command_Line(const std::vector<std::string>& args,
                                        const std::string& program_prefix, Files& files, Prompts& prompts,
                                        Shell& shell);

// Writes every setting and commits them together; a refused write is
// reported (through `prompts`, when given) and false.
bool Write_All_Settings(const Close_State& state, Settings_File& file, Prompts* prompts);

// Plays the exit sound to its end, then writes every setting. A refused write
// is reported and the close goes on: a read-only folder must not keep the
// program from ending.
void Close_Program(const Close_State& state, Settings_File& file, Sound_Player& sound, Prompts& prompts);
