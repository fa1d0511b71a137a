#pragma once
// The main window as the search commands see it: their message boxes
// (captioned with the program's name, no icon), the beep, and what a long
// replace run does with the window: refuse input, then repaint between steps.
// Texts are UTF-8.
#include <string>

class Search_Ui {
 public:
  virtual ~Search_Ui() = default;
  // OK and Cancel; true for OK.
  virtual bool Ok_Cancel(const std::string& text) = 0;
  // OK only.
  virtual void Notice(const std::string& text) = 0;
  // The application's error report.
  virtual void Error(const std::string& text) = 0;
  virtual void Beep() = 0;
  virtual void Enable_Main_Window(bool enabled) = 0;
  // Runs every pending window message, so that the window repaints.
  virtual void Process_Messages() = 0;
};
