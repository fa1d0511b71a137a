#pragma once
// The files lirovant-text reads and writes, with standard input and output
// standing in for those not named ("" or "-").
#include <cstddef>
#include <fstream>
#include <iosfwd>
#include <stdexcept>
#include <string>
#include <string_view>

// A failure the tool reports with its own exit code (text_tool.h).
struct Tool_Error {
  int code;
  std::string message;
};

class Tool_Input {
 public:
  // Throws Exit_Unreadable when the named file cannot be opened.
  Tool_Input(const std::string& name, std::istream& standard);
  // A file can be judged by a few stretches; standard input only whole.
  bool Is_File() const { return file_.is_open(); }
  std::size_t File_Size();
  std::string Read_At(std::size_t start, std::size_t size);
  // The next piece of the text from where reading stands, into a buffer the
  // caller keeps from piece to piece; false at the end.
  bool Next_Piece(std::string* piece);
  std::string Read_Rest();
  // Back to the start; standard input replays what Read_Rest took of it.
  void Rewind();

 private:
  std::string name_;
  std::ifstream file_;
  std::istream* stream_;
  std::string replay_;
  std::size_t replay_at_ = 0;
  bool replaying_ = false;
};

class Tool_Output {
 public:
  Tool_Output(const std::string& name, std::ostream& standard);
  // An output never committed leaves nothing behind.
  ~Tool_Output();
  void Write(std::string_view text);
  // A named file is written beside its place and renamed over it only now;
  // standard output receives the text only now. Throws Exit_Unwritable.
  void Commit();

 private:
  std::string name_;
  std::string temporary_;
  std::ofstream file_;
  std::ostream* standard_;
  std::string held_;  // for standard output
  bool committed_ = false;
};
