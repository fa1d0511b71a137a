#pragma once
// The help project as the build makes it from documents/help.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tools/winhelp/source_files.h"

inline winhelp::HelpProject Shipped_Help_Project() {
  const std::filesystem::path folder =
      std::filesystem::path(TEST_DATA_DIR) / ".." / ".." / "documents" / "help";
  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    files.push_back(entry.path().string());
  std::sort(files.begin(), files.end());
  winhelp::HelpProject project;
  winhelp::load_help_project(files, "test", project);
  return project;
}
