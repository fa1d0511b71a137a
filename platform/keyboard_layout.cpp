#include "platform/keyboard_layout.h"

std::optional<std::string> Startup_Layout_Name(int32_t mode, const std::string& stored) {
  switch (mode) {
    case 2:
      return stored;
    case 3:
      return std::string(kEnglishLayout);
    case 4:
      return std::string(kRussianLayout);
    default:
      return std::nullopt;
  }
}

std::optional<std::string> Layout_Name_To_Record(uint32_t handle) {
  switch (handle) {
    case 0x04070407u:
      return std::string(kGermanLayout);
    case 0x04090409u:
      return std::string(kEnglishLayout);
    case 0x04190419u:
      return std::string(kRussianLayout);
    default:
      return std::nullopt;
  }
}

uint32_t Saved_Layout_Record(Keyboard& keyboard) {
  const uint32_t saved = keyboard.Current_Layout();
  keyboard.Activate_Layout(kRussianLayout);
  return saved;
}

void Restore_Layout(Keyboard& keyboard, uint32_t layout) {
  if (layout == 0x04090409u)
    keyboard.Activate_Layout(kEnglishLayout);
  else if (layout == 0x04190419u)
    keyboard.Activate_Layout(kRussianLayout);
}

Layout_Guard::Layout_Guard(Keyboard& keyboard, bool switch_to_russian)
    : keyboard_(keyboard),
      saved_(switch_to_russian ? Saved_Layout_Record(keyboard) : keyboard.Current_Layout()) {}
