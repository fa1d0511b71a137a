#pragma once
// The file encoding chosen from the menu "Кодировка файла".
#include "documents/document_commands.h"

// Makes `encoding` the one the next save writes; the text stays as it is and
// the document counts as changed.
// An 8-bit page that lacks some of the text's characters is chosen all the
// same, with a warning that names how many and the first: the user may mean
// to remove them before saving, and the save asks again if they remain.
void Choose_Encoding(Document_Session& s, File_Encoding encoding);
