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

std::string Long_Path_Form(const std::string& full) {
  if (full.compare(0, 4, "\\\\?\\") == 0 || full.compare(0, 4, "\\\\.\\") == 0) return full;
  if (full.compare(0, 2, "\\\\") == 0) return "\\\\?\\UNC\\" + full.substr(2);
  const bool drive = full.size() >= 3 && std::isalpha(static_cast<unsigned char>(full[0])) &&
                     full[1] == ':' && full[2] == '\\';
  return drive ? "\\\\?\\" + full : full;
}

std::string Without_Long_Path_Prefix(const std::string& path) {
  if (path.compare(0, 8, "\\\\?\\UNC\\") == 0) return "\\\\" + path.substr(8);
  if (path.compare(0, 4, "\\\\?\\") == 0) return path.substr(4);
  return path;
}

bool Is_Device_Name(const std::string& path) {
  const size_t slash = path.find_last_of("\\/:");
  std::string stem = path.substr(slash == std::string::npos ? 0 : slash + 1);
  stem = stem.substr(0, stem.find('.'));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (char& c : stem) c = char(std::toupper(static_cast<unsigned char>(c)));
  if (stem == "CON" || stem == "PRN" || stem == "AUX" || stem == "NUL" || stem == "CONIN$" ||
      stem == "CONOUT$")
    return true;
  return stem.size() == 4 && (stem.compare(0, 3, "COM") == 0 || stem.compare(0, 3, "LPT") == 0) &&
         stem[3] >= '1' && stem[3] <= '9';
}

std::string Beside_Program(const std::string& name, const std::string& exe_path) {
  return Is_Rooted_Path(name) ? name : Program_Prefix(exe_path) + name;
}

bool Is_Rooted_Path(const std::string& path) {
  if (!path.empty() && (path[0] == '\\' || path[0] == '/')) return true;
  return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}
