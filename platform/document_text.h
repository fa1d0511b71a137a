#pragma once
// The whole document in and out of the edit area. Unlike Edit_Area::Text and
// Set_Text, every byte travels, NUL included, so a file loaded through here
// comes back whole when it is saved.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "common/file_encoding.h"
#include "common/file_survey.h"
#include "platform/file_bytes.h"

// A piece of the document, already read from the edit area; calling it
// yields the piece's working text. The conversion waits for the call, so it
// can run on another thread while the next piece is read. It throws
// Outside_Win1251 (common/control_text.h) when the piece holds a character
// that Windows-1251 cannot store, rather than put a '?' in its place.
using Text_Piece = std::function<std::string()>;

// What a text would cost the edit area, and the memory the program can have.
struct Memory_Need {
  unsigned long long Needed = 0, Available = ~0ull;
  bool Fits() const { return Needed <= Available; }
};

class Document_Text {
 public:
  virtual ~Document_Text() = default;
  // Working text (Windows-1251, CR line breaks); the caret ends at offset 0.
  virtual void Put(const std::string& text) = 0;
  // A file as it stands on the disk, in an encoding Intake_Reads_Encoding
  // (platform/intake_source.h) takes, its line breaks of any kind, with what
  // the survey of its bytes found: it becomes the edit area's text as it
  // goes in, and `bytes` are held until then. The caret ends at offset 0.
  virtual void Put_File(Shared_File_Bytes bytes, File_Encoding encoding, const File_Survey& survey) = 0;
  virtual std::string Take() = 0;
  // The text of a Unicode file: UTF-16 code units, CR line breaks, no NUL;
  // the caret ends at offset 0. Take_Unicode gives back whatever the edit
  // area holds, NUL bytes of a Windows-1251 text as the
  // NUL sign of common/control_text.h.
  virtual void Put_Unicode(const std::wstring& text) = 0;
  virtual std::wstring Take_Unicode() = 0;
  // The same text handed to `sink` in order, in one piece or more, until the
  // sink returns false. False when the edit area handed out less than it
  // holds; what the sink got is then incomplete.
  virtual bool Take_Pieces(const std::function<bool(Text_Piece)>& sink) {
    sink([text = Take()]() mutable { return std::move(text); });
    return true;
  }
  // A long text may still be coming in after Put: a caret at `offset` then
  // waits until the text there is in, and true says so; false leaves the
  // caret to the caller.
  virtual bool Caret_Waits_For_Text(int32_t offset) {
    (void)offset;
    return false;
  }
  // The caret that waits for its text, if any: where the document stands.
  virtual std::optional<int32_t> Waiting_Caret() { return std::nullopt; }
  // What a text of `units` UTF-16 units in `lines` lines, whose longest run
  // without a break is `longest_run`, would cost the edit area.
  virtual Memory_Need Memory_For(std::size_t units, std::size_t lines, std::size_t longest_run) {
    (void)units, (void)lines, (void)longest_run;
    return {};
  }
  // Rich text as the edit area reads and writes it; false when it refuses the data.
  virtual bool Put_Rich(const std::string& rtf) = 0;
  virtual std::string Take_Rich() = 0;
};
