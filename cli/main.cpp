#include <iostream>
#include <string>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "cli/text_tool.h"

int main(int argc, char** argv) {
#ifdef _WIN32
  // Text passes byte for byte: no line ends rewritten, no end at 0x1A.
  _setmode(_fileno(stdin), _O_BINARY);
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + 1, argv + argc);
  const int code = Run_Text_Tool(args, std::cin, std::cout, std::cerr);
  // A text that never reached standard output (a full disk, a closed pipe)
  // is a failure, whatever the command thought.
  if (!std::cout.flush() && code == Exit_Done) {
    std::cerr << "lirovant-text: cannot write standard output\n";
    return Exit_Unwritable;
  }
  return code;
}
