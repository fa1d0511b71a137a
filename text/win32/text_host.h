#pragma once
// What the text commands (code pages, re-typing, case, transliteration and
// the Lines menu) take from the main window. The application fills it in and
// hands it to the Text_Commands it keeps.
#include <windows.h>

#include "platform/edit_area.h"
#include "platform/keyboard.h"
#include "platform/whole_text.h"
#include "platform/win32/busy_window.h"
#include "platform/win32/command_table.h"
#include "platform/win32/edit_area_win32.h"
#include "platform/win32/platform_win32.h"
#include "platform/win32/status_bar.h"
#include "platform/win32/text_look.h"

struct Text_Host {
  HWND Window;
  HMENU Menu;
  Rich_Edit& Edit;      // the control that holds the document now
  Edit_Area& Document;  // the edit area that replaces the whole text through a new control
  Whole_Text_Edits& Whole_Text;
  const Text_Look& Look;
  Keyboard& Keys;
  Status_Bar& Status;
  Prompts& Messages;
  Busy_Window& Busy;  // the main window while a long command runs
  // A text read anew in the encoding its unchanged file is in.
  std::function<void(File_Encoding)> File_Read_As;
};
