#include "app/lifecycle.h"

#include <utility>

#include "app/event_sounds.h"
#include "common/program_paths.h"
#include "documents/document_files.h"

Command_Line_Document Open_Command_Line(const std::vector<std::string>& args,
                                        const std::string& program_prefix, Files& files, Prompts& prompts,
                                        Shell& shell) {
  Command_Line_Document doc{kUntitledName, nullptr};
  if (args.size() != 1) return doc;
  const std::string& argument = args[0];
  if (auto bytes = files.Read_Shared(argument)) {
    // Its load tells the shell of it.
    doc.Name = argument;
    doc.Bytes = std::move(bytes);
    return doc;
  } else if (files.Exists(argument)) {
    // Offering to create it would end in a save over a file the user never saw.
    prompts.Error(Open_Error_Text(argument, files.Failure_Reason()));
    return doc;
  } else {
    const bool create = prompts.Ask_Yes_No(Create_File_Question(argument)) == Answer::Yes;
    if (create) doc.Name = Is_Rooted_Path(argument) ? argument : program_prefix + argument;
    if (doc.Name.empty()) doc.Name = kUntitledName;
  }
  shell.Add_To_Recent_Documents(doc.Name);
  return doc;
}

bool Write_All_Settings(const Close_State& state, Settings_File& file, Prompts* prompts) {
  try {
    Write_Close_Settings(file, state);
    file.Commit();
    return true;
  } catch (const Settings_Write_Error& e) {
    if (prompts) prompts->Error(e.what());
    return false;
  }
}

void Close_Program(const Close_State& state, Settings_File& file, Sound_Player& sound, Prompts& prompts) {
  Play_Event_Sound(state.Model, kSoundExit, sound);
  Write_All_Settings(state, file, &prompts);
}
