#pragma once
// Text files on disk: 8-bit, lines ending in CR LF, lone CR or lone LF when
// read, CR LF when written, no byte-order mark. The working text of the edit
// area ends every line with a single CR.
#include <string>

std::string Disk_To_Working_Text(const std::string& bytes);
std::string Working_Text_To_Disk(const std::string& text);
