#pragma once
// The progress display of long commands over the main window: status panels
// 2 and 3, the disabled window and the repaints in between.
#include <windows.h>

#include "text/command_frame.h"
#include "text/win32/text_host.h"

// Runs pending messages so that the windows repaint and timers fire. User
// input (keys, mouse, the tray icon) is thrown away, whichever window of the
// program it is for: a modeless dialog must not move the selection or edit
// the text under a running command either.
void Process_Pending_Messages();

// The main window as a long command drives it.
class Main_Window_Progress : public Command_Window {
 public:
  explicit Main_Window_Progress(Text_Host& host) : host_(host) {}
  void Enable_Input(bool enabled) override;
  void Process_Messages() override { Process_Pending_Messages(); }
  void Align_Mode_Panel_Right(bool right) override;
  void Notice(const std::string& text) override;

 private:
  Text_Host& host_;
};
