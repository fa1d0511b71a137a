#pragma once
// `Label_Raskladki` on Win32: an owner-drawn static whose text casts a shadow,
// in the face colour normally and in the highlight colour while it blinks.
#include <windows.h>

#include "settings/layout_mode_label.h"

class Win32_Layout_Label : public Layout_Label {
 public:
  Win32_Layout_Label(HWND dialog, int id) : dialog_(dialog), id_(id) {}
  void Set_Text(const std::string& text) override;
  void Set_Shadow_Highlighted(bool highlighted) override;
  void Toggle_Visible() override;
  void Process_Messages() override;
  void Delay(int32_t milliseconds) override;

  static void Draw(const DRAWITEMSTRUCT& item);

 private:
  HWND Handle() const { return GetDlgItem(dialog_, id_); }
  HWND dialog_;
  int id_;
};
