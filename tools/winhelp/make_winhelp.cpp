// make_winhelp: turns the help topics' readable source into the program's
// WinHelp file.
//
//   make_winhelp -o Lirovant.hlp topic1.txt topic2.txt ...
//
// Sources are read in the order given; their topics keep that order.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "tools/winhelp/help_file.h"
#include "tools/winhelp/help_source.h"

namespace {

int usage() {
  std::cerr << "usage: make_winhelp -o OUTPUT.hlp SOURCE.txt...\n";
  return 2;
}

bool read_file(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return !in.bad();
}

// Writes beside the target and renames, so that a failed run never leaves a
// truncated help file that the build would take as up to date.
bool write_file(const std::string& path, const winhelp::Bytes& data) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    if (!out.flush()) {
      std::remove(temporary.c_str());
      return false;
    }
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
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
    for (const std::string& path : sources) {
      std::string text;
      if (!read_file(path, text)) {
        std::cerr << "make_winhelp: cannot read " << path << "\n";
        return 1;
      }
      winhelp::parse_help_source(text, path, project);
    }
    winhelp::finish_project(project);
    const winhelp::Bytes file = winhelp::build_help_file(project);
    if (!write_file(output, file)) {
      std::cerr << "make_winhelp: cannot write " << output << "\n";
      return 1;
    }
  } catch (const std::exception& error) {
    std::cerr << "make_winhelp: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
