#pragma once
// The system's open and save dialogs for text files, and the file-name part
// from the maker's own zmk.dll.
#include <windows.h>

#include "platform/file_dialogs.h"

class Win32_File_Dialogs : public File_Dialogs {
 public:
  explicit Win32_File_Dialogs(HWND owner) : owner_(owner) {}
  std::optional<std::string> Ask_Open(const std::string& initial_folder) override;
  std::optional<std::string> Ask_Save(const std::string& initial_folder,
                                      const std::string& file_name) override;

 private:
  HWND owner_;
};

class Zmk_File_Name_Part : public File_Name_Part {
 public:
  std::optional<std::string> Name_Of(const std::string& path) override;
};

// The folder a dialog starts in: the path itself when it is a folder, else
// the folder that holds it; empty when neither exists. A folder past the
// dialogs' 260 characters comes in its short 8.3 form, or not at all when even
// that is too long: the dialogs break on a longer one.
std::wstring Dialog_Start_Folder(const std::string& path);

// A filter as the dialogs take it, from one written with "|" after each
// description and pattern: a zero in place of each "|"; the zero after the
// string's end closes the list.
std::wstring Dialog_Filter(const char* parts);
