#pragma once
// `Label_Raskladki` on Win32: an owner-drawn static whose text casts a shadow,
// in the face colour normally and in the highlight colour while it blinks.
#include <windows.h>

#include "settings/layout_mode_label.h"

class Win32_Layout_Label : public Layout_Label {
 public:
  explicit Win32_Layout_Label(int id) : id_(id) {}
  // The dialog that holds the label, once it is made.
  void Attach(HWND dialog) { dialog_ = dialog; }
  void Set_Text(const std::string& text) override;
  void Set_Shadow_Highlighted(bool highlighted) override;
  void Toggle_Visible() override;
  void Process_Messages() override;
  void Delay(int32_t milliseconds) override;

  void Draw(const DRAWITEMSTRUCT& item) const;

 private:
  HWND Handle() const { return GetDlgItem(dialog_, id_); }
  HWND dialog_ = nullptr;
  int id_;
  int shadow_colour_ = COLOR_BTNFACE;
  bool blinked_off_ = false;
};
