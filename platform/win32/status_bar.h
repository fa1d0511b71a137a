#pragma once
// The main window's status bar: seven panels (the file encoding and the line ends last), Arial of 11 pixels, 19 pixels high.
#include <windows.h>

#include <string>

#include "platform/status_panels.h"
#include "platform/status_text.h"

class Status_Bar : public Status_Panels {
 public:
  HWND Create(HWND parent);
  HWND Handle() const { return hwnd_; }
  std::string Text(int panel) override;
  void Set_Text(int panel, const std::string& text) override;
  // Panel 2 is right-aligned while a long command shows its label.
  void Align_Mode_Panel_Right(bool right);
  int Height() const;

 private:
  void Show(int panel);
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  std::string texts_[kPanelTotal];
  bool mode_right_ = false;
};
