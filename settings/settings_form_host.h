#pragma once
// The main window as the settings dialog's OK and Cancel act on it.
#include <string>

#include "settings/file_types.h"

class Settings_Form_Host {
 public:
  virtual ~Settings_Form_Host() = default;
  virtual bool Status_Bar_Visible() = 0;
  // Shows or hides the status bar together with its menu separator.
  virtual void Set_Status_Bar_Visible(bool visible) = 0;
  // A message box with the program's caption, an OK button and no icon.
  virtual void Notice(const std::string& text) = 0;
  // The executable and the Windows directory that new bindings point at.
  virtual Program_Location Binding_Target() = 0;
};
