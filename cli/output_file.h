#pragma once
// A named output file of lirovant-text. A regular file (or one yet to be) is
// written to a scratch file of a unique name, created exclusively beside it,
// and put in its place only at Commit, with the old file's permissions and,
// where the system lets, its owner; an interruption removes the scratch. A
// link named as the output leads to the file it names. A device or a pipe is
// written to directly and never replaced.
#include <memory>
#include <string>
#include <string_view>

class Output_File {
 public:
  // Throws Tool_Error (Exit_Unwritable) when the file cannot be written.
  explicit Output_File(const std::string& name);
  // An output never committed leaves nothing behind.
  ~Output_File();
  Output_File(const Output_File&) = delete;
  Output_File& operator=(const Output_File&) = delete;

  void Write(std::string_view text);
  void Commit();
  // The scratch file while there is one, for the tests; empty when written directly.
  std::string Scratch_Name() const;

 private:
  struct State;
  std::unique_ptr<State> state_;
};
