#include "settings/layout_mode_label.h"

#include "platform/keyboard_layout.h"

void Set_Layout_Label(Layout_Label& label, int32_t mode) {
  if (mode >= 1 && mode <= 4) label.Set_Text(Layout_Mode_Label(mode));
}

void Layout_Mode_Moved(Layout_Label& label, int32_t position, bool& blinking) {
  Set_Layout_Label(label, position);
  if (blinking) return;
  blinking = true;
  label.Set_Shadow_Highlighted(true);
  // An even number of toggles: the label ends as visible as it started.
  for (int step = 0; step < 2 * kLabel_Blinks; ++step) {
    label.Toggle_Visible();
    label.Process_Messages();
    label.Delay(kBlink_Step_Ms);
  }
  label.Set_Shadow_Highlighted(false);
  blinking = false;
}
