#pragma once
// The main window's status bar: six panels (the document's file encoding,
// line ends and mark of changes last) in Arial of 11 pixels, 19 pixels high, at 96 DPI and in
// proportion at others. Each panel is as wide as its widest usual text, or
// its current one, needs in that font; the room a wide bar has over that
// goes to the panels as their old widths share it.
#include <windows.h>

#include <string>

#include "platform/status_panels.h"
#include "platform/status_text.h"

class Status_Bar : public Status_Panels {
 public:
  ~Status_Bar() override;
  HWND Create(HWND parent);
  HWND Handle() const { return hwnd_; }
  std::string Text(int panel) override;
  void Set_Text(int panel, const std::string& text) override;
  // Panel 2 is right-aligned while a long command shows its label.
  void Align_Mode_Panel_Right(bool right);
  int Height() const;
  // Font, height and panels for the DPI the parent window is now shown at.
  void Set_Dpi(int dpi);
  int Dpi() const { return dpi_; }
  // Shares the bar's width among the panels anew; the parent calls it when
  // its size changes.
  void Lay_Out();

 private:
  void Show(int panel);
  int Text_Width(const std::string& text) const;
  int Panel_Need(int panel) const;
  HWND hwnd_ = nullptr;
  HFONT font_ = nullptr;
  int dpi_ = 96;
  std::string texts_[kPanelTotal];
  // What the bar itself holds: a key that changes nothing there costs nothing.
  std::string shown_[kPanelTotal];
  Panel_Look looks_[kPanelTotal];
  // The room each panel's text was given when the panels were last laid out.
  int need_[kPanelTotal] = {};
  bool mode_right_ = false;
};
