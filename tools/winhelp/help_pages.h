// The help topics as web pages, made from the same model as the help file:
// one page per topic, the contents topic as the index, jumps as links.
#pragma once

#include <string>
#include <vector>

#include "tools/winhelp/help_source.h"

namespace winhelp {

struct HelpPage {
  std::string file_name;  // inside the "Help" folder
  std::string html;       // Windows-1251, as its meta line says
};

// The file name of the topic's page: the contents topic is kHelpContentsPage,
// a numbered topic the name the program asks for, any other its context id.
std::string page_file_name(const HelpProject& project, const Topic& topic);

// One page per topic of a finished project, in the project's order.
std::vector<HelpPage> build_help_pages(const HelpProject& project);

}  // namespace winhelp
