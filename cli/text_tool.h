#pragma once
// The work of lirovant-text, apart from the process it runs in: arguments,
// input and output come in, an exit code goes out.
#include <iosfwd>
#include <string>
#include <vector>

// One exit code for each kind of bad input, so that scripts can tell them apart.
enum Tool_Exit : int {
  Exit_Done = 0,
  Exit_Usage = 2,              // unknown command or option, missing argument
  Exit_Unknown_Page = 3,       // a page name the tool does not know
  Exit_Unreadable = 4,         // an input file that cannot be read
  Exit_Unwritable = 5,         // an output file that cannot be written
  Exit_Invalid_Utf8 = 6,       // UTF-8 input that is no UTF-8
  Exit_Missing_Character = 7,  // a character the target page lacks
  Exit_Undetected = 8,         // --from auto and the page cannot be told
};

// args are the arguments after the program's name. Standard input and output
// stand in for the files not named.
int Run_Text_Tool(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                  std::ostream& err);
