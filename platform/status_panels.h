#pragma once
// The six panels of the main window's status bar.
#include <string>

class Status_Panels {
 public:
  virtual ~Status_Panels() = default;
  virtual std::string Text(int panel) = 0;
  virtual void Set_Text(int panel, const std::string& text) = 0;
};
