#pragma once
// The settings file through the system's profile functions, by its Unicode
// name, so that the program's folder may have any name. Writes go to a copy
// of the file made beside it, which replaces the file whole once the writes
// are done: a program killed meanwhile leaves the old file as it was, never
// half of each.
#include <string>

#include "common/profile.h"

class Win32_Profile : public Profile {
 public:
  explicit Win32_Profile(std::string path) : path_(std::move(path)) {}
  ~Win32_Profile() override;
  Win32_Profile(const Win32_Profile&) = delete;
  Win32_Profile& operator=(const Win32_Profile&) = delete;

  const std::string& Path() const override { return path_; }
  std::optional<std::string> Read(const std::string& section, const std::string& key) override;
  // Without a batch, each write replaces the file at once.
  bool Write(const std::string& section, const std::string& key, const std::string& value) override;
  // From now on writes wait for Commit, which puts them in the file together.
  void Begin_Batch() { batch_ = true; }
  bool Commit() override;

 private:
  bool Stage();
  void Drop_Stage();
  std::string path_;
  std::wstring stage_;  // the copy being written, while there is one
  bool batch_ = false;
  bool failed_ = false;  // a write to the copy was refused
};
