#pragma once
// Text files on disk: 8-bit, lines ending in CR LF, lone CR or lone LF when
// read, CR LF when written, no byte-order mark. The working text of the edit
// area ends every line with a single CR.
#include <string>

std::string Disk_To_Working_Text(const std::string& bytes);
std::string Working_Text_To_Disk(const std::string& text);
// The same for the text of a Unicode file, one UTF-16 code unit at a time.
std::wstring Disk_To_Working_Text(const std::wstring& text);
std::wstring Working_Text_To_Disk(const std::wstring& text);

// Working_Text_To_Disk for a text that comes in pieces: a CR LF split between
// two pieces is still one line end.
class Disk_Line_Ends {
 public:
  std::string Convert(const std::string& piece);

 private:
  bool after_cr_ = false;
};
