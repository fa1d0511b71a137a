#pragma once
// Paths built on the executable's own location.
#include <string>

// The executable's folder with its trailing backslash, whatever the file is called.
std::string Program_Prefix(const std::string& exe_path);
std::string Settings_File_Path(const std::string& exe_path);
std::string Help_File_Path(const std::string& exe_path);
// A drive-letter path, a UNC path or one from the root of the current drive.
bool Is_Rooted_Path(const std::string& path);
// A name the system takes for a device whatever its folder and extension
// ("nul.txt", "C:\\x\\COM1.log"): no file stands behind it.
bool Is_Device_Name(const std::string& path);
