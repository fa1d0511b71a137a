#include "settings/sound_browse.h"

#include "common/program_paths.h"

Sound_Browse_Start Sound_Browse_Start_Of(const std::string& row_file, const std::string& exe_path,
                                         Files& files) {
  if (!row_file.empty()) {
    const std::string file = Beside_Program(row_file, exe_path);
    if (files.Exists(file)) return {file, ""};
  }
  return {"", Beside_Program("Sound", exe_path)};
}
