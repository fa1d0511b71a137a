#pragma once
// What both help makers do with files: read the topics' sources into one
// project, and write a result so that a failed run leaves nothing half made.
#include <string>
#include <vector>

#include "tools/winhelp/help_source.h"

namespace winhelp {

// Reads and parses the sources in the order given and finishes the project;
// false, after saying which file, when one cannot be read. Mistakes in a
// source throw, as parse_help_source does.
bool load_help_project(const std::vector<std::string>& sources, const char* tool, HelpProject& project);

// Writes beside the target and renames, so that a failed run never leaves a
// cut file that the build would take as up to date.
bool write_whole_file(const std::string& path, const void* data, std::size_t size);

}  // namespace winhelp
