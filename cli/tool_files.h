#pragma once
// The files lirovant-text reads and writes, with standard input and output
// standing in for those not named ("" or "-").
#include <cstddef>
#include <fstream>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

// One exit code for each kind of bad input, so that scripts can tell them apart.
enum Tool_Exit : int {
  Exit_Done = 0,
  Exit_Usage = 2,              // unknown command or option, missing argument
  Exit_Unknown_Page = 3,       // a page name the tool does not know
  Exit_Unreadable = 4,         // an input file that cannot be read
  Exit_Unwritable = 5,         // an output that cannot be written
  Exit_Invalid_Utf8 = 6,       // UTF-8 input that is no UTF-8
  Exit_Missing_Character = 7,  // a character the target page lacks
  Exit_Undetected = 8,         // --from auto and the page cannot be told
};

// A failure the tool reports with its own exit code.
struct Tool_Error {
  int code;
  std::string message;
};

class Tool_Input {
 public:
  // Throws Exit_Unreadable when the named file cannot be opened.
  Tool_Input(const std::string& name, std::istream& standard);
  // A regular file can be judged by a few stretches read where they lie;
  // standard input, a pipe or a device only by its head.
  bool Is_Seekable() const { return seekable_; }
  std::size_t File_Size();
  std::string Read_At(std::size_t start, std::size_t size);
  // The first stretch of a stream, read ahead until it holds enough letters
  // to judge by or grows to Head_Limit; the pieces read next start with it.
  const std::string& Head();
  // The next piece of the text from where reading stands, into a buffer the
  // caller keeps from piece to piece; false at the end.
  bool Next_Piece(std::string* piece);
  std::string Read_Rest();
  // Back to the start: a file is read again, a stream gives its head again.
  void Rewind();
  const std::string& Name() const { return name_; }

  static constexpr std::size_t Head_Limit = 16 << 20;

 private:
  bool Read_Piece(std::string* piece);

  std::string name_;
  std::ifstream file_;
  std::istream* stream_;
  bool seekable_ = false;
  std::string head_;
  bool head_read_ = false;
  std::size_t head_at_ = 0;  // how much of the head the pieces gave back
};

class Output_File;

class Tool_Output {
 public:
  Tool_Output(const std::string& name, std::ostream& standard);
  // An output never committed leaves nothing behind but what standard
  // output already took.
  ~Tool_Output();
  // Standard output takes the text at once; a file takes it into its
  // scratch. Throws Exit_Unwritable.
  void Write(std::string_view text);
  // A named file is put in its place only now; standard output is flushed.
  // Throws Exit_Unwritable.
  void Commit();

 private:
  std::string name_;
  std::unique_ptr<Output_File> file_;
  std::ostream* standard_;
};
