#include "common/help_pages.h"

std::string Help_Page_Name(int number) { return "topic" + std::to_string(number) + ".html"; }
