#pragma once
// The work of lirovant-text, apart from the process it runs in: arguments,
// input and output come in, an exit code goes out.
#include <iosfwd>
#include <string>
#include <vector>

#include "cli/tool_files.h"  // Tool_Exit, the exit codes

// args are the arguments after the program's name. Standard input and output
// stand in for the files not named.
int Run_Text_Tool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                  std::ostream& err);
