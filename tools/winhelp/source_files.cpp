#include "tools/winhelp/source_files.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

namespace winhelp {

namespace {

bool read_file(const std::string& path, std::string& text) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return !in.bad();
}

}  // namespace

bool load_help_project(const std::vector<std::string>& sources, const char* tool, HelpProject& project) {
  for (const std::string& path : sources) {
    std::string text;
    if (!read_file(path, text)) {
      std::cerr << tool << ": cannot read " << path << "\n";
      return false;
    }
    parse_help_source(text, path, project);
  }
  finish_project(project);
  return true;
}

bool write_whole_file(const std::string& path, const void* data, std::size_t size) {
  const std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
    if (!out.flush()) {
      std::remove(temporary.c_str());
      return false;
    }
  }
  return std::rename(temporary.c_str(), path.c_str()) == 0;
}

}  // namespace winhelp
