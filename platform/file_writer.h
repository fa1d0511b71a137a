#pragma once
// Whole-file writes that never leave a half-written file behind.
#include <cstddef>
#include <memory>
#include <string>

// A file being written piece by piece beside its target. It takes the
// target's place only on Commit; dropped without Commit, it leaves the target
// as it was and is removed.
class File_Sink {
 public:
  virtual ~File_Sink() = default;
  virtual bool Append(const char* bytes, size_t size) = 0;
  // Puts the complete file in the target's place; false leaves the target as it was.
  virtual bool Commit() = 0;
};

class File_Writer {
 public:
  virtual ~File_Writer() = default;
  // nullptr when the file cannot be written at all (read-only file, missing
  // folder, invalid name).
  virtual std::unique_ptr<File_Sink> Begin(const std::string& path) = 0;

  // Why the last write that failed failed, as the user is told it (in
  // Russian where the system says it so); empty when nothing is known.
  virtual std::string Failure_Reason() { return {}; }

  // Replaces the file's content by `bytes`, or leaves the file as it was and
  // returns false (read-only file, missing folder, invalid name, full disk).
  bool Write_Whole(const std::string& path, const std::string& bytes) {
    const std::unique_ptr<File_Sink> sink = Begin(path);
    return sink && sink->Append(bytes.data(), bytes.size()) && sink->Commit();
  }
};
