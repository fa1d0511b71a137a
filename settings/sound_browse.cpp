#include "settings/sound_browse.h"

#include "common/program_paths.h"

Sound_Browse_Start Sound_Browse_Start_Of(const std::string& row_file, const std::string& exe_path,
                                         Files& files) {
  const std::string program = Program_Prefix(exe_path);
  if (!row_file.empty()) {
    const std::string file = Is_Rooted_Path(row_file) ? row_file : program + row_file;
    if (files.Exists(file)) return {file, ""};
  }
  return {"", program + "Sound"};
}
