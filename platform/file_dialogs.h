#pragma once
// The system's open and save dialogs for text files, and the file-name part
// of a path that the save dialog proposes.
#include <optional>
#include <string>

class File_Dialogs {
 public:
  virtual ~File_Dialogs() = default;
  // The file the user confirmed, or nothing when the dialog was cancelled.
  // `initial_folder` may name a file: the dialog starts in its folder.
  virtual std::optional<std::string> Ask_Open(const std::string& initial_folder) = 0;
  virtual std::optional<std::string> Ask_Save(const std::string& initial_folder,
                                              const std::string& file_name) = 0;
};

class File_Name_Part {
 public:
  virtual ~File_Name_Part() = default;
  // The name after the path's folder, or nothing when there is none.
  virtual std::optional<std::string> Name_Of(const std::string& path) = 0;
};
