#pragma once
// The main window's edit area as the text commands need it beyond Edit_Area.
#include <windows.h>

#include "text/command_frame.h"
#include "text/win32/text_host.h"

class Rich_Edit_Extras : public Edit_Area_Extras {
 public:
  explicit Rich_Edit_Extras(Text_Host& host) : host_(host) {}
  Kept_Text Take_Selection() override;
  Kept_Text Take_Text() override;
  void Replace_Selection_Step(const std::wstring& text) override;
  void Replace_Selection_Unrecorded(const std::string& text) override;
  void Selection_Charset_To_Font() override;
  void Empty_Undo() override;
  bool Word_Wrap() override;
  std::vector<std::size_t> Display_Line_Starts(const std::string& text,
                                               const Position_Callback& on_position = {}) override;

  // Display lines are read a batch of paragraphs of about this many characters at a time.
  std::size_t Batch = 32 * 1024;

 private:
  HWND Scratch_Control();
  Text_Host& host_;
};
