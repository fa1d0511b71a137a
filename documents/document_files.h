#pragma once
// A document's way between disk and the edit area: plain text files in the
// text file format, files named "*.rtf" as rich text.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "common/file_encoding.h"
#include "common/file_survey.h"
#include "common/line_ends.h"
#include "documents/document.h"
#include "platform/document_text.h"
#include "platform/file_writer.h"
#include "platform/files.h"

// The name of a document that has no file yet.
bool Is_Untitled(const std::string& name);
// The extension is "rtf" in any letter case.
bool Is_Rich_Text_Name(const std::string& path);

// "Cannot open file <path>" and "Cannot create file <path>", with the
// system's reason on a line of its own when there is one.
std::string Open_Error_Text(const std::string& path, const std::string& reason = {});
std::string Create_Error_Text(const std::string& path, const std::string& reason = {});

// The 8-bit page a file's bytes were written in, WIN when unsure.
using Page_Recognizer = std::function<File_Encoding(std::string_view bytes)>;

// What a file put into the edit area turned out to be.
struct Loaded_File {
  File_Encoding Encoding = File_Encoding::Win;
  Line_End_Count Ends;
};

// Puts a file's bytes, already read, into the edit area after one survey of
// them (common/file_survey.h), and tells what the file is: a Unicode file's
// text goes in as Unicode, any other byte for byte as Windows-1251 unless
// `recognize_page` names another page, whose text then goes in as Unicode.
// A "*.rtf" file that holds no rich text is shown as the plain text it is.
// With `forced`, an 8-bit page or UTF-8, the file is read in it whatever it looks like.
Loaded_File Put_Document(Document_Text& text, const std::string& path, const Shared_File_Bytes& file,
                         const File_Survey& survey, const Page_Recognizer& recognize_page = {},
                         std::optional<File_Encoding> forced = std::nullopt);
Loaded_File Put_Document(Document_Text& text, const std::string& path, const Shared_File_Bytes& file,
                         const Page_Recognizer& recognize_page = {});
Loaded_File Put_Document(Document_Text& text, const std::string& path, const std::string& bytes,
                         const Page_Recognizer& recognize_page = {});
// The document takes the file's encoding and the line ends it holds most of.
void Take_File_Form(Document& document, const Loaded_File& file);

// What the edit area would need to hold a file of that survey and size.
Memory_Need Memory_For_File(Document_Text& text, const File_Survey& survey, std::size_t bytes);

enum class Save_Result {
  Saved,
  Failed,  // the file could not be written
  // The encoding is an 8-bit page and the text holds characters the page
  // cannot store; nothing was written.
  Outside_Encoding,
};
// What a save does with characters its 8-bit page lacks.
enum class Outside_Characters { Refuse, Replace_With_Question_Mark };
// Writes the edit area's document to `path` in `encoding`, each line ending
// in `ends`. Anything but Saved leaves the file as it was.
Save_Result Save_Document(Document_Text& text, File_Writer& writer, const std::string& path,
                          File_Encoding encoding = File_Encoding::Win, Line_End ends = Line_End::Cr_Lf,
                          Outside_Characters outside = Outside_Characters::Refuse);

// The texts of a file too large or not UTF-8, and the questions and warnings
// of a save, are in documents/documents_texts.h.
