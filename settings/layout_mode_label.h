#pragma once
// The label under the start-up layout slider and its blinking when the user
// moves the slider.
#include <cstdint>
#include <string>

class Layout_Label {
 public:
  virtual ~Layout_Label() = default;
  virtual void Set_Text(const std::string& text) = 0;
  // The shadow under the text: highlighted while blinking, else the face colour.
  virtual void Set_Shadow_Highlighted(bool highlighted) = 0;
  virtual void Toggle_Visible() = 0;
  // Lets the window repaint and take input between blink steps.
  virtual void Process_Messages() = 0;
  virtual void Delay(int32_t milliseconds) = 0;
};

constexpr int kLabel_Blinks = 3;
constexpr int32_t kBlink_Step_Ms = 200;

// The text of start-up layout mode 1..4; any other mode leaves the label as it is.
void Set_Layout_Label(Layout_Label& label, int32_t mode);

// The slider's changed event. `blinking` belongs to the dialog: a move made
// while the label still blinks only changes its text, so the blinks of two
// moves never interleave and the label always ends visible.
void Layout_Mode_Moved(Layout_Label& label, int32_t position, bool& blinking);
