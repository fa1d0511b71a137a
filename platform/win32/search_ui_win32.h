#pragma once
// The search commands' message boxes, beep and busy window on Win32.
#include <windows.h>

#include <functional>

#include "platform/search_ui.h"

class Win32_Search_Ui : public Search_Ui {
 public:
  // `dialog_filter` hands a message to the program's modeless dialogs and
  // says whether one took it; they stay usable while the window is busy.
  using Dialog_Filter = std::function<bool(MSG& msg)>;
  explicit Win32_Search_Ui(HWND owner, Dialog_Filter dialog_filter = nullptr)
      : owner_(owner), dialog_filter_(std::move(dialog_filter)) {}
  bool Ok_Cancel(const std::string& text) override;
  void Notice(const std::string& text) override;
  void Error(const std::string& text) override;
  void Beep() override;
  void Enable_Main_Window(bool enabled) override;
  void Process_Messages() override;

 private:
  HWND owner_;
  Dialog_Filter dialog_filter_;
};
