// make_winhelp: turns the help topics' readable source into the program's
// WinHelp file.
//
//   make_winhelp -o Lirovant.hlp topic1.txt topic2.txt ...
//
// Sources are read in the order given; their topics keep that order.
#include <iostream>
#include <string>
#include <vector>

#include "tools/winhelp/help_file.h"
#include "tools/winhelp/source_files.h"

namespace {

int usage() {
  std::cerr << "usage: make_winhelp -o OUTPUT.hlp SOURCE.txt...\n";
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  std::string output;
  std::vector<std::string> sources;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-o" && i + 1 < argc) {
      output = argv[++i];
    } else if (!arg.empty() && arg[0] == '-') {
      return usage();
    } else {
      sources.push_back(arg);
    }
  }
  if (output.empty() || sources.empty()) return usage();

  try {
    winhelp::HelpProject project;
    if (!winhelp::load_help_project(sources, "make_winhelp", project)) return 1;
    const winhelp::Bytes file = winhelp::build_help_file(project);
    if (!winhelp::write_whole_file(output, file.data(), file.size())) {
      std::cerr << "make_winhelp: cannot write " << output << "\n";
      return 1;
    }
  } catch (const std::exception& error) {
    std::cerr << "make_winhelp: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
