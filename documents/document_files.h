#pragma once
// A document's way between disk and the edit area: plain text files in the
// text file format, files named "*.rtf" as rich text.
#include <optional>
#include <string>

#include "platform/document_text.h"
#include "platform/file_writer.h"
#include "platform/files.h"

// The name of a document that has no file yet.
bool Is_Untitled(const std::string& name);
// The extension is "rtf" in any letter case.
bool Is_Rich_Text_Name(const std::string& path);

std::string Open_Error_Text(const std::string& path);
std::string Create_Error_Text(const std::string& path);

// Puts a file's bytes, already read whole, into the edit area. A "*.rtf" file
// that holds no rich text is shown as the plain text it is.
void Put_Document(Document_Text& text, const std::string& path, const std::string& bytes);
// Writes the edit area's document to `path`; false when the file was left as it was.
bool Save_Document(Document_Text& text, File_Writer& writer, const std::string& path);
