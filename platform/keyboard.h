#pragma once
// The keyboard layout of the main window's thread.
#include <cstdint>
#include <string>

class Keyboard {
 public:
  virtual ~Keyboard() = default;
  virtual uint32_t Current_Layout() = 0;
  // Activates a layout named by eight hexadecimal digits ("00000419").
  virtual void Activate_Layout(const std::string& name) = 0;
};
