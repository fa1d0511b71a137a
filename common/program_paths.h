#pragma once
// Paths built on the executable's own location.
#include <string>

// The executable's folder with its trailing backslash, whatever the file is called.
std::string Program_Prefix(const std::string& exe_path);
std::string Settings_File_Path(const std::string& exe_path);
std::string Help_File_Path(const std::string& exe_path);
// A file named without a folder ("Sound\\Zapusk.wav") as the one beside the
// program; a rooted name as it is.
std::string Beside_Program(const std::string& name, const std::string& exe_path);
// The paths the system's file functions take past the old 260-character
// limit: `full` (a whole path, as the system completes it) with the "\\?\"
// prefix, or "\\?\UNC\" for a network path. A relative path, one that is
// prefixed already and a device's ("\\.\") stay as they are.
std::string Long_Path_Form(const std::string& full);
// The other way: the path without the long-path prefix, as people write it.
std::string Without_Long_Path_Prefix(const std::string& path);
// A drive-letter path, a UNC path or one from the root of the current drive.
bool Is_Rooted_Path(const std::string& path);
// A name the system takes for a device whatever its folder and extension
// ("nul.txt", "C:\\x\\COM1.log"): no file stands behind it.
bool Is_Device_Name(const std::string& path);
