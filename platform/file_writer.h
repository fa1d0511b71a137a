#pragma once
// Whole-file writes that never leave a half-written file behind.
#include <string>

class File_Writer {
 public:
  virtual ~File_Writer() = default;
  // Replaces the file's content by `bytes`, or leaves the file as it was and
  // returns false (read-only file, missing folder, invalid name, full disk).
  virtual bool Write_Whole(const std::string& path, const std::string& bytes) = 0;
};
