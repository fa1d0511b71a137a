#include "documents/document_files.h"

#include <algorithm>
#include <exception>
#include <memory>
#include <utility>

#include "common/control_text.h"
#include "common/line_ends.h"
#include "common/settings_model.h"
#include "documents/piece_writer.h"
#include "platform/intake_source.h"

bool Is_Untitled(const std::string& name) { return name == kUntitledName; }

bool Is_Rich_Text_Name(const std::string& path) {
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos) return false;
  const std::string extension = path.substr(dot + 1);
  if (extension.size() != 3 || extension.find_first_of("\\/:") != std::string::npos) return false;
  std::string lower;
  for (char c : extension) lower += (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : c;
  return lower == "rtf";
}

namespace {
std::string With_Reason(std::string text, const std::string& reason) {
  return reason.empty() ? text : text + "\n" + reason;
}
}  // namespace

std::string Open_Error_Text(const std::string& path, const std::string& reason) {
  return With_Reason("Cannot open file " + path, reason);
}
std::string Create_Error_Text(const std::string& path, const std::string& reason) {
  return With_Reason("Cannot create file " + path, reason);
}

namespace {
bool Looks_Like_Rich_Text(std::string_view bytes) { return bytes.compare(0, 5, "{\\rtf") == 0; }
}  // namespace

namespace {

Line_End_Count Ends_Of(const std::wstring& text) {
  Line_End_Counter counter;
  counter.Add(text.data(), text.size());
  return counter.Count();
}

}  // namespace

Loaded_File Put_Document(Document_Text& text, const std::string& path, const Shared_File_Bytes& file,
                         const Page_Recognizer& recognize_page) {
  return Put_Document(text, path, file, Survey_File(file->View()), recognize_page);
}

Loaded_File Put_Document(Document_Text& text, const std::string& path, const Shared_File_Bytes& file,
                         const File_Survey& survey, const Page_Recognizer& recognize_page,
                         std::optional<File_Encoding> forced) {
  const std::string_view view = file->View();
  if (Is_Rich_Text_Name(path) && Looks_Like_Rich_Text(view) && text.Put_Rich(std::string(view))) return {};
  // The 8-bit pages and UTF-8, the encodings of large texts, go in straight
  // from the file's bytes; UTF-16 is decoded whole first.
  File_Encoding encoding = survey.Encoding;
  if (forced && Is_8_Bit_Encoding(*forced)) {
    encoding = *forced;
  } else if (forced) {
    if (encoding != File_Encoding::Utf8_Bom) encoding = File_Encoding::Utf8;
  } else if (encoding == File_Encoding::Win && recognize_page && !survey.Holds_Nul) {
    // The page is judged by a sample of the file. A file with a NUL byte,
    // which only WIN keeps as it is, stays WIN.
    const File_Encoding page = recognize_page(view);
    if (Is_8_Bit_Encoding(page)) encoding = page;
  }
  if (Intake_Reads_Encoding(encoding)) {
    // A page forced on a file that looked like Unicode reads every byte,
    // its mark included, and is measured so.
    const bool measured_as_is = !Is_8_Bit_Encoding(encoding) || survey.Encoding == File_Encoding::Win ||
                                Is_8_Bit_Encoding(survey.Encoding) || survey.Encoding == File_Encoding::Utf8;
    const File_Survey as_page = measured_as_is ? File_Survey{} : Survey_As_Page(view);
    const File_Survey& used = measured_as_is ? survey : as_page;
    text.Put_File(file, encoding, used);
    return {encoding, used.Ends};
  }
  const std::wstring decoded = Decode_File_Text(std::string(view), encoding);
  const Line_End_Count ends = Ends_Of(decoded);
  text.Put_Unicode(Disk_To_Working_Text(decoded));
  return {encoding, ends};
}

Loaded_File Put_Document(Document_Text& text, const std::string& path, const std::string& bytes,
                         const Page_Recognizer& recognize_page) {
  return Put_Document(text, path, Hold_File_Bytes(bytes), recognize_page);
}

Memory_Need Memory_For_File(Document_Text& text, const File_Survey& survey, std::size_t bytes) {
  const bool counted =
      survey.Encoding != File_Encoding::Utf16_Le && survey.Encoding != File_Encoding::Utf16_Be;
  const std::size_t units = counted ? survey.Units_In(survey.Encoding) : bytes / 2;
  const std::size_t lines = counted ? survey.Ends.Cr_Lf + survey.Ends.Lf + survey.Ends.Cr + 1 : 1;
  return text.Memory_For(units, lines, counted ? survey.Longest_Run_In(survey.Encoding) : units);
}

void Take_File_Form(Document& document, const Loaded_File& file) {
  document.Encoding = file.Encoding;
  document.Ends = Prevailing_Line_End(file.Ends);
  document.Mixed_Ends = Mixed_Line_Ends(file.Ends);
}

namespace {

Save_Result Written(bool written) { return written ? Save_Result::Saved : Save_Result::Failed; }

// Windows-1251 files are written piece by piece while the edit area hands
// out the next piece: they are the program's own and can be large.
Save_Result Save_Win1251(Document_Text& text, File_Writer& writer, const std::string& path, Line_End ends) {
  {
    const std::unique_ptr<File_Sink> sink = writer.Begin(path);
    if (!sink) return Save_Result::Failed;
    Piece_Writer pieces(*sink, ends);
    const bool whole =
        text.Take_Pieces([&pieces](Text_Piece piece) { return pieces.Post(std::move(piece)); });
    const bool written = pieces.Finish();
    if (pieces.Found_Outside_Win1251()) return Save_Result::Outside_Encoding;
    if (whole) return Written(written && sink->Commit());
  }
  // The edit area handed out less than it holds: take it whole instead.
  return Written(writer.Write_Whole(
      path, Working_Text_To_Disk(Control_Text_To_Document_Exactly(text.Take_Unicode()), ends)));
}

// A text taken whole from the edit area goes to the file a piece at a time,
// its line ends made and its characters encoded piece by piece, so that
// the save holds the text once and no more than a piece of it twice. A
// piece never ends between the halves of a surrogate pair; only the first
// carries the byte-order mark.
constexpr std::size_t kSavePieceUnits = std::size_t(1) << 20;

Save_Result Write_In_Pieces(const std::wstring& unicode, File_Writer& writer, const std::string& path,
                            File_Encoding encoding, Line_End ends) {
  const std::unique_ptr<File_Sink> sink = writer.Begin(path);
  if (!sink) return Save_Result::Failed;
  const std::size_t mark = Encode_File_Text(std::wstring(), encoding).size();
  Disk_Line_Ends disk(ends);
  std::size_t at = 0;
  do {
    std::size_t end = std::min(unicode.size(), at + kSavePieceUnits);
    if (end < unicode.size() && unicode[end - 1] >= 0xD800 && unicode[end - 1] < 0xDC00) ++end;
    const std::wstring piece = disk.Convert(unicode.substr(at, end - at));
    const std::string bytes =
        encoding == File_Encoding::Win ? Control_Text_To_Document(piece) : Encode_File_Text(piece, encoding);
    // Each piece comes with the byte-order mark; the file holds it once.
    const std::size_t skip = at > 0 ? std::min(mark, bytes.size()) : 0;
    if (!sink->Append(bytes.data() + skip, bytes.size() - skip)) return Save_Result::Failed;
    at = end;
  } while (at < unicode.size());
  return Written(sink->Commit());
}

// The other pages are checked whole before a byte is written.
Save_Result Save_Page(Document_Text& text, File_Writer& writer, const std::string& path,
                      File_Encoding encoding, Line_End ends) {
  const std::wstring unicode = text.Take_Unicode();
  if (Characters_Outside_Encoding(unicode, encoding, kNulSymbol).Count) return Save_Result::Outside_Encoding;
  return Write_In_Pieces(unicode, writer, path, encoding, ends);
}

// A character outside the page becomes one '?', a surrogate pair included.
Save_Result Save_Replacing(Document_Text& text, File_Writer& writer, const std::string& path,
                           File_Encoding encoding, Line_End ends) {
  std::wstring unicode = text.Take_Unicode();
  std::size_t out = 0;
  for (std::size_t i = 0; i < unicode.size(); ++i) {
    const bool pair = unicode[i] >= 0xD800 && unicode[i] < 0xDC00 && i + 1 < unicode.size() &&
                      unicode[i + 1] >= 0xDC00 && unicode[i + 1] < 0xE000;
    unicode[out++] = pair ? L'?' : unicode[i];
    i += pair;
  }
  unicode.resize(out);
  return Write_In_Pieces(unicode, writer, path, encoding, ends);
}

}  // namespace

Save_Result Save_Document(Document_Text& text, File_Writer& writer, const std::string& path,
                          File_Encoding encoding, Line_End ends, Outside_Characters outside) {
  try {
    if (Is_Rich_Text_Name(path)) return Written(writer.Write_Whole(path, text.Take_Rich()));
    if (outside == Outside_Characters::Replace_With_Question_Mark && Is_8_Bit_Encoding(encoding))
      return Save_Replacing(text, writer, path, encoding, ends);
    if (encoding == File_Encoding::Win) return Save_Win1251(text, writer, path, ends);
    if (Is_8_Bit_Encoding(encoding)) return Save_Page(text, writer, path, encoding, ends);
    return Write_In_Pieces(text.Take_Unicode(), writer, path, encoding, ends);
  } catch (const Outside_Win1251&) {
    return Save_Result::Outside_Encoding;
  } catch (const std::exception&) {
    // Out of memory or out of threads: the file is left as it was, and the
    // caller reports the save as failed.
    return Save_Result::Failed;
  }
}
