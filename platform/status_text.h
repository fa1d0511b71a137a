#pragma once
// The texts of the status bar and the refresh that writes them.
#include <cstdint>
#include <string>
#include <vector>

#include "common/file_encoding.h"
#include "common/line_ends.h"
#include "platform/edit_area.h"
#include "platform/platform_texts.h"
#include "platform/status_panels.h"

enum Status_Panel {
  kPanelLine = 0,
  kPanelCount = 1,
  kPanelMode = 2,
  kPanelProgress = 3,
  kPanelSpare = 4,
  kPanelEncoding = 5,  // the document's file encoding and line ends
  kPanelTotal = 6
};

// What a panel shows at its widest and how wide it was made when there is
// room, at 96 DPI; the status bar measures the texts in its own font. The
// progress and spare panels need no room of their own.
struct Panel_Look {
  int Wish = 0;
  std::vector<std::string> Widest;
};
Panel_Look Look_Of_Panel(int panel);

struct Search_State {
  bool Find_Next_Ready = false;
  bool Find_Open = false;
  bool Replace_Open = false;
  int32_t Search_Count = 0;
};

// The control's line count less an empty last line (a final line break does
// not count the empty line after it), unless the caret stands there: the
// caret's line is never beyond the count, and an empty text has the one line
// the caret is on.
int32_t Shown_Line_Count(int32_t reported, bool last_line_empty, int32_t caret_line0);
std::string File_Encoding_Panel_Text(File_Encoding encoding);
// The last panel: the file encoding and, where they are not the CR LF of
// Windows, the line ends, with " (смеш.)" for a file that held more than
// one kind: " WIN", " UTF-8 LF", " KOI CR LF (смеш.)". The default window
// has no room for more beside the other panels.
std::string Document_Panel_Text(File_Encoding encoding, Line_End ends, bool mixed);
// Panel 2's insert or overwrite indicator marked " *" while the document
// holds unsaved changes, or unmarked; any other text of panel 2 (a count, a
// share, a command's label) is left as it is.
std::string Mark_Modified(const std::string& panel2, bool modified);
// Insert swaps the mode indicator, its mark kept, and leaves any other text
// of panel 2 alone.
std::string Insert_Key_Toggle(const std::string& panel2);

void Status_Refresh(Edit_Area& edit, Status_Panels& panels, const Search_State& search);
