#include "common/program_paths.h"

#include <cctype>

#include "common/settings_file.h"

std::string Program_Prefix(const std::string& exe_path) {
  const auto slash = exe_path.find_last_of("\\/");
  return slash == std::string::npos ? std::string() : exe_path.substr(0, slash + 1);
}

std::string Settings_File_Path(const std::string& exe_path) {
  return Program_Prefix(exe_path) + kSettingsFileName;
}

std::string Help_File_Path(const std::string& exe_path) {
  return Program_Prefix(exe_path) + "Help\\Lirovant.hlp";
}

bool Is_Rooted_Path(const std::string& path) {
  if (!path.empty() && (path[0] == '\\' || path[0] == '/')) return true;
  return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}
