// make_help_pages: turns the help topics' readable source into web pages for
// the "Help" folder, one per topic, for systems without a WinHelp viewer.
//
//   make_help_pages -d FOLDER topic1.txt topic2.txt ...
//
// Sources are read in the order given, as make_winhelp reads them.
#include <iostream>
#include <string>
#include <vector>

#include "tools/winhelp/help_pages.h"
#include "tools/winhelp/source_files.h"

namespace {

int usage() {
  std::cerr << "usage: make_help_pages -d FOLDER SOURCE.txt...\n";
  return 2;
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
    if (!winhelp::load_help_project(sources, "make_help_pages", project)) return 1;
    for (const winhelp::HelpPage& page : winhelp::build_help_pages(project)) {
      const std::string path = folder + "/" + page.file_name;
      if (!winhelp::write_whole_file(path, page.html.data(), page.html.size())) {
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
