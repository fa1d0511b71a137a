#pragma once
// The main window as the document commands see it: the document name in the
// caption, the application title, and the refreshes that follow a load.
#include <string>

class Document_Window {
 public:
  virtual ~Document_Window() = default;
  virtual std::string Document_Name() = 0;
  virtual void Set_Document_Name(const std::string& name) = 0;
  virtual void Set_Application_Title(const std::string& title) = 0;
  // Empties the edit area and gives it the text font.
  virtual void Reset_Editor() = 0;
  virtual void Refresh_Status() = 0;
  // No code-page conversion item keeps its check mark.
  virtual void Clear_Conversion_Marks() = 0;
  // The recent-files list changed: the menu shows it again.
  virtual void History_Changed() = 0;
};
