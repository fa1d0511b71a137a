#pragma once
// The store behind the settings file. The program uses the system's profile
// functions; the native tests use Ini_File, which keeps the same syntax and
// rules. Strings cross this interface as UTF-8.
#include <optional>
#include <string>

class Profile {
 public:
  virtual ~Profile() = default;
  virtual const std::string& Path() const = 0;
  // nullopt when the section does not list the key.
  virtual std::optional<std::string> Read(const std::string& section, const std::string& key) = 0;
  // false when the system refused the write (read-only file or folder, full disk).
  virtual bool Write(const std::string& section, const std::string& key, const std::string& value) = 0;
  // A store that gathers its writes puts them in the file here, all at once;
  // false when the file could not take them.
  virtual bool Commit() { return true; }
};
