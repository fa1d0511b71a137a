// make_help_pages: turns the help topics' readable source into web pages for
// the "Help" folder, one per topic, for systems without a WinHelp viewer.
//
//   make_help_pages -d FOLDER topic1.txt topic2.txt ...
//
// Sources are read in the order given, as make_winhelp reads them.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "tools/winhelp/help_pages.h"
#include "tools/winhelp/help_source.h"

namespace {

int usage() {
  std::cerr << "usage: make_help_pages -d FOLDER SOURCE.txt...\n";
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

// Beside the target first, so that a failed run leaves no cut page behind.
bool write_file(const std::string& path, const std::string& data) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(data.data(), static_cast<std::streamsize>(data.size()));
    if (!out.flush()) {
      std::remove(temporary.c_str());
      return false;
    }
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::string folder;
  std::vector<std::string> sources;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "-d" && i + 1 < argc) {
      folder = argv[++i];
    } else if (!arg.empty() && arg[0] == '-') {
      return usage();
    } else {
      sources.push_back(arg);
    }
  }
  if (folder.empty() || sources.empty()) return usage();

  try {
    winhelp::HelpProject project;
    for (const std::string& path : sources) {
      std::string text;
      if (!read_file(path, text)) {
        std::cerr << "make_help_pages: cannot read " << path << "\n";
        return 1;
      }
      winhelp::parse_help_source(text, path, project);
    }
    winhelp::finish_project(project);
    for (const winhelp::HelpPage& page : winhelp::build_help_pages(project)) {
      const std::string path = folder + "/" + page.file_name;
      if (!write_file(path, page.html)) {
        std::cerr << "make_help_pages: cannot write " << path << "\n";
        return 1;
      }
    }
  } catch (const std::exception& error) {
    std::cerr << "make_help_pages: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
