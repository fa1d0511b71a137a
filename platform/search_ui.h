#pragma once
// The main window as the search commands see it: their message boxes
// (captioned with the program's name, no icon), the beep, and what a long
// replace run does with the window (platform/long_command.h). Texts are UTF-8.
#include <string>

#include "platform/long_command.h"

class Search_Ui : public Command_Window {
 public:
  // OK and Cancel; true for OK.
  virtual bool Ok_Cancel(const std::string& text) = 0;
  // The application's error report.
  virtual void Error(const std::string& text) = 0;
  virtual void Beep() = 0;
};
