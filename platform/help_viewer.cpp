#include "platform/help_viewer.h"

#include "common/help_pages.h"
#include "common/program_paths.h"

std::string Help_Page_Path(const std::string& exe_path, std::optional<int> topic) {
  return Program_Prefix(exe_path) + "Help\\" + (topic ? Help_Page_Name(*topic) : kHelpContentsPage);
}

bool Show_Help_Topic(Help_Viewer& viewer, const std::string& exe_path, std::optional<int> topic) {
  if (viewer.Show_Winhelp(Help_File_Path(exe_path), topic)) return true;
  return viewer.Open_Page(Help_Page_Path(exe_path, topic));
}
