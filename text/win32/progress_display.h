#pragma once
// The progress display of long commands over the main window: status panels
// 2 and 3, the busy window and the repaints in between.
#include <windows.h>

#include "text/command_frame.h"
#include "text/win32/text_host.h"

// The main window as a long command drives it.
class Main_Window_Progress : public Command_Window {
 public:
  explicit Main_Window_Progress(Text_Host& host) : host_(host) {}
  void Enable_Input(bool enabled) override;
  void Process_Messages() override { host_.Busy.Pump(); }
  bool Stop_Asked() override { return host_.Busy.Stop_Asked(); }
  void Align_Mode_Panel_Right(bool right) override;
  void Notice(const std::string& text) override;

 private:
  Text_Host& host_;
};
