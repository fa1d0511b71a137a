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

// Makes `ends` the line ends the next save writes, every line alike; the
// document counts as changed.
void Choose_Line_Ends(Document_Session& s, Line_End ends);
