#pragma once
// Shows the help: the WinHelp file where the system has a viewer for it, and
// otherwise the same topic's page of the "Help" folder in the browser.
#include <optional>
#include <string>

#include "platform/platform_texts.h"

class Help_Viewer {
 public:
  virtual ~Help_Viewer() = default;
  // Shows the topic of the number, or the contents when there is none, in
  // the WinHelp viewer; false when there is no viewer or it did not take it.
  virtual bool Show_Winhelp(const std::string& help_file, std::optional<int> topic) = 0;
  // Opens the page in the default browser; false when nothing opened it.
  virtual bool Open_Page(const std::string& page) = 0;
};

// The page the browser shows for the topic (the contents page for none).
std::string Help_Page_Path(const std::string& exe_path, std::optional<int> topic);

// Help_Missing_Text, the message when neither the help file nor the page
// could be shown, is in platform/platform_texts.h.

// The help file first, the page when the viewer fails; false when neither
// could be shown.
bool Show_Help_Topic(Help_Viewer& viewer, const std::string& exe_path, std::optional<int> topic);
