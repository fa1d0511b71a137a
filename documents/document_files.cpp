#include "documents/document_files.h"

#include <exception>
#include <memory>
#include <utility>

#include "common/settings_model.h"
#include "documents/piece_writer.h"
#include "documents/text_file_format.h"

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

std::string Open_Error_Text(const std::string& path) { return "Cannot open file " + path; }
std::string Create_Error_Text(const std::string& path) { return "Cannot create file " + path; }

namespace {
bool Looks_Like_Rich_Text(const std::string& bytes) { return bytes.compare(0, 5, "{\\rtf") == 0; }
}  // namespace

void Put_Document(Document_Text& text, const std::string& path, const std::string& bytes) {
  if (Is_Rich_Text_Name(path) && Looks_Like_Rich_Text(bytes) && text.Put_Rich(bytes)) return;
  text.Put(Disk_To_Working_Text(bytes));
}

bool Save_Document(Document_Text& text, File_Writer& writer, const std::string& path) {
  try {
    if (Is_Rich_Text_Name(path)) return writer.Write_Whole(path, text.Take_Rich());
    {
      const std::unique_ptr<File_Sink> sink = writer.Begin(path);
      if (!sink) return false;
      Piece_Writer pieces(*sink);
      const bool whole =
          text.Take_Pieces([&pieces](Text_Piece piece) { return pieces.Post(std::move(piece)); });
      const bool written = pieces.Finish();
      if (whole) return written && sink->Commit();
    }
    // The edit area handed out less than it holds: take it whole instead.
    return writer.Write_Whole(path, Working_Text_To_Disk(text.Take()));
  } catch (const std::exception&) {
    // Out of memory or out of threads: the file is left as it was, and the
    // caller reports the save as failed.
    return false;
  }
}
