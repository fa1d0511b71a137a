#pragma once
// Code pages, re-typing, transliteration, case and the line commands on the
// main window, made once from what they take of it.
#include "platform/unicode_edit.h"
#include "platform/win32/clipboard_writer_win32.h"
#include "platform/win32/command_table.h"
#include "text/command_frame.h"
#include "text/win32/progress_display.h"
#include "text/win32/rich_edit_extras.h"
#include "text/win32/text_host.h"
#include "text/win32/unicode_edit_win32.h"

class Text_Commands {
 public:
  explicit Text_Commands(Text_Host host);
  Text_Commands(const Text_Commands&) = delete;
  Text_Commands& operator=(const Text_Commands&) = delete;

  void Register(Command_Table& table);

 private:
  template <typename Command>
  void Run_Guarded(Command command);
  // The commands that read the document as a file's bytes.
  void Run_Recode(void (*command)(Text_Command_Host&, Unicode_Edit&));
  void Mark(int menu_id);

  Text_Host host_;
  Rich_Edit_Extras extras_;
  Main_Window_Progress progress_;
  Rich_Edit_Unicode unicode_;
  Win32_Clipboard_Writer clipboard_;
  Text_Command_Host frame_;
};
