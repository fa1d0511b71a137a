#pragma once
// The progress display of long commands over the main window: status panels
// 2 and 3, the disabled window and the repaints in between.
#include <windows.h>

#include "text/command_frame.h"

// Runs pending messages so that the windows repaint and timers fire. User
// input (keys, mouse, the tray icon) is thrown away, whichever window of the
// program it is for: a modeless dialog must not move the selection or edit
// the text under a running command either.
void Process_Pending_Messages();

// The main window as a long command drives it.
class Forma_Command_Window : public Command_Window {
 public:
  void Enable_Input(bool enabled) override;
  void Process_Messages() override { Process_Pending_Messages(); }
  void Align_Mode_Panel_Right(bool right) override;
  void Notice(const std::string& text) override;
};

Forma_Command_Window& Forma_Window();

// Begin on construction, end on destruction, over the main window's status
// bar and keyboard layout: the window comes back enabled and the panels and
// layout restored however the command ends. Progress_Tick() adds a mark.
class Progress_Display : public Long_Command {
 public:
  Progress_Display(std::int64_t size, Long_Command_Style style);
};
