#pragma once
// A settings file in the syntax of the system's profile functions, read and
// written at every call: section and key names compare without regard to case,
// a value is trimmed and cut to 2047 characters, an existing key is replaced
// in place, a new key goes to the end of its section and a new section to the
// end of the file. The file is 8-bit Windows-1251, lines end in CR LF.
#include "common/profile.h"

class Ini_File : public Profile {
 public:
  explicit Ini_File(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const override { return path_; }
  std::optional<std::string> Read(const std::string& section, const std::string& key) override;
  bool Write(const std::string& section, const std::string& key, const std::string& value) override;

 private:
  std::string path_;
};
