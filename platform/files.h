#pragma once
// Whole-file access for documents.
#include <optional>
#include <string>

class Files {
 public:
  virtual ~Files() = default;
  // The file's bytes, or nothing when it is missing or cannot be read.
  virtual std::optional<std::string> Read_All(const std::string& path) = 0;
  // Whether anything stands under the name, readable or not: a file that
  // cannot be read is still there and must not be taken for a new one.
  virtual bool Exists(const std::string& path) = 0;
};
