#pragma once
// The settings file through the system's profile functions.
#include "common/profile.h"

class Win32_Profile : public Profile {
 public:
  explicit Win32_Profile(std::string path) : path_(std::move(path)) {}
  const std::string& Path() const override { return path_; }
  std::optional<std::string> Read(const std::string& section, const std::string& key) override;
  bool Write(const std::string& section, const std::string& key, const std::string& value) override;

 private:
  std::string path_;
};
