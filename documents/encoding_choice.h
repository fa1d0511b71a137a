#pragma once
// The file encoding and the line ends chosen from the menus "Кодировка файла"
// and "Концы строк".
#include "documents/document_commands.h"

// Makes `encoding` the one the next save writes; the text stays as it is and
// the document counts as changed.
// An 8-bit page that lacks some of the text's characters is chosen all the
// same, with a warning that names how many and the first: the user may mean
// to remove them before saving, and the save asks again if they remain.
void Choose_Encoding(Document_Session& s, File_Encoding encoding);

// The encodings a file can be read again in, in the order of their menu:
// every 8-bit page and UTF-8.
constexpr File_Encoding kReread_Encodings[] = {
    File_Encoding::Win,    File_Encoding::Utf8,   File_Encoding::Dos,
    File_Encoding::Koi,    File_Encoding::Iso,    File_Encoding::Mac,
    File_Encoding::Koi8_U, File_Encoding::Cp1125, File_Encoding::Ibm855};
// Reads the document's file again in `encoding`, which becomes the one the
// next save writes: for a file shown garbled because it was read in the
// wrong page. The unsaved-changes question comes first; a file that does
// not read as UTF-8 is not taken for it.
void Reread_In_Encoding(Document_Session& s, File_Encoding encoding);

// Makes `ends` the line ends the next save writes, every line alike; the
// document counts as changed.
void Choose_Line_Ends(Document_Session& s, Line_End ends);
