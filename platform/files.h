#pragma once
// Whole-file access for documents.
#include <optional>
#include <string>
#include <utility>

#include "platform/file_bytes.h"

// What tells one state of a file from another: its size and the time it
// was last written.
struct File_Stamp {
  unsigned long long Size = 0, Written = 0;
  bool operator==(const File_Stamp& other) const { return Size == other.Size && Written == other.Written; }
  bool operator!=(const File_Stamp& other) const { return !(*this == other); }
};

class Files {
 public:
  virtual ~Files() = default;
  // The file's bytes, or nothing when it is missing or cannot be read.
  virtual std::optional<std::string> Read_All(const std::string& path) = 0;
  // The same, to be held for as long as it is wanted; a large file may come
  // as a view of the file itself.
  virtual Shared_File_Bytes Read_Shared(const std::string& path) {
    auto bytes = Read_All(path);
    return bytes ? Hold_File_Bytes(std::move(*bytes)) : nullptr;
  }
  // Whether anything stands under the name, readable or not: a file that
  // cannot be read is still there and must not be taken for a new one.
  virtual bool Exists(const std::string& path) = 0;
  // Why the last read that failed failed, as the user is told it; empty
  // when nothing is known.
  virtual std::string Failure_Reason() { return {}; }
  // Whether two names reach the same file, however each is spelled.
  virtual bool Same_File(const std::string& a, const std::string& b) { return a == b; }
  // The file's stamp, or nothing when there is no file to stamp.
  virtual std::optional<File_Stamp> Stamp_Of(const std::string& path) {
    (void)path;
    return std::nullopt;
  }
};
