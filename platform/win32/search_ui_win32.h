#pragma once
// The search commands' message boxes, beep and busy window on Win32.
#include <windows.h>

#include "platform/search_ui.h"
#include "platform/win32/busy_window.h"
#include "platform/win32/status_bar.h"

class Win32_Search_Ui : public Search_Ui {
 public:
  Win32_Search_Ui(HWND owner, Busy_Window& busy, Status_Bar& status)
      : owner_(owner), busy_(busy), status_(status) {}
  bool Ok_Cancel(const std::string& text) override;
  void Notice(const std::string& text) override;
  void Error(const std::string& text) override;
  void Beep() override;
  void Enable_Input(bool enabled) override;
  void Process_Messages() override { busy_.Pump(); }
  bool Stop_Asked() override { return busy_.Stop_Asked(); }
  void Align_Mode_Panel_Right(bool right) override { status_.Align_Mode_Panel_Right(right); }

 private:
  HWND owner_;
  Busy_Window& busy_;
  Status_Bar& status_;
};
