#pragma once
// The main window as the document commands see it: it shows the document
// it owns (the caption, the taskbar title, the status bar) and takes the
// refreshes that follow a load.
#include <string>

class Document_Window {
 public:
  virtual ~Document_Window() = default;
  // The document's name, title, encoding or line ends changed: the caption,
  // the taskbar entry and the status bar show them again.
  virtual void Show_Document() = 0;
  // Empties the edit area and gives it the text font.
  virtual void Reset_Editor() = 0;
  virtual void Refresh_Status() = 0;
  // No code-page conversion item keeps its check mark.
  virtual void Clear_Conversion_Marks() = 0;
  // The recent-files list changed: the menu shows it again.
  virtual void History_Changed() = 0;
};
