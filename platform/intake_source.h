#pragma once
// Where the pieces of a long text come from as it goes into the edit area:
// a text already in the control's UTF-16, or the bytes of a file, which
// become the control's text a piece at a time, so that the whole
// text is never made twice over before the first screen shows.
#include <cstddef>
#include <memory>
#include <string>

#include "common/file_encoding.h"
#include "common/file_survey.h"
#include "platform/file_bytes.h"

class Intake_Source {
 public:
  virtual ~Intake_Source() = default;
  // The whole text's length in the control's UTF-16 units.
  virtual std::size_t Size() const = 0;
  // The longest run without a space, tab or line break.
  virtual std::size_t Longest_Run() const = 0;
  // The next piece of about `wanted` units, ending where Piece_End would end
  // it, in place of `piece`; empty once the whole text is out.
  virtual void Next(std::size_t wanted, std::wstring& piece) = 0;
  // The file changed while its text came in: no more pieces come, and what
  // came is a part of some text that no longer stands anywhere.
  virtual bool Broken() const { return false; }
};

std::unique_ptr<Intake_Source> Wide_Intake_Source(std::wstring text);

// Whether a file in `encoding` goes in straight from its bytes: the 8-bit
// pages and UTF-8, the encodings of large texts.
bool Intake_Reads_Encoding(File_Encoding encoding);

// A file in such an encoding as it stands on the disk: CR LF, LF and CR end
// lines and become CR, a NUL byte becomes the NUL sign, as
// Document_To_Control_Text would make them of the working text; the rest is
// decoded as Decode_File_Text decodes it.
// Its length and longest run are the survey's of the file.
std::unique_ptr<Intake_Source> File_Intake_Source(Shared_File_Bytes bytes, File_Encoding encoding,
                                                  const File_Survey& survey);
std::unique_ptr<Intake_Source> File_Intake_Source(Shared_File_Bytes bytes, File_Encoding encoding);

// The whole of such a file at once, for a control that takes it in one step.
std::wstring File_To_Control_Text(std::string_view bytes, File_Encoding encoding);
