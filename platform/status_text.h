#pragma once
// The texts of the status bar and the refresh that writes them.
#include <cstdint>
#include <string>

#include "common/file_encoding.h"
#include "platform/edit_area.h"
#include "platform/status_panels.h"

constexpr const char* kInsertText = " Вставка";
constexpr const char* kOverwriteText = " Замена";

enum Status_Panel {
  kPanelLine = 0,
  kPanelCount = 1,
  kPanelMode = 2,
  kPanelProgress = 3,
  kPanelSpare = 4,
  kPanelEncoding = 5,
  kPanelLineEnds = 6,
  kPanelTotal = 7
};

struct Search_State {
  bool Find_Next_Ready = false;
  bool Find_Open = false;
  bool Replace_Open = false;
  int32_t Search_Count = 0;
};

std::string Line_Column_Text(int32_t line0, int32_t column);
// The control's line count less an empty last line: an empty text has 0
// lines, and a final line break does not count the empty line after it.
int32_t Shown_Line_Count(int32_t reported, bool last_line_empty);
std::string Line_Count_Text(int32_t count);
std::string Found_Count_Text(int32_t count);
std::string Replaced_Count_Text(int32_t count);
std::string File_Encoding_Panel_Text(File_Encoding encoding);
// Insert swaps the mode indicator and leaves any other text of panel 2 alone.
std::string Insert_Key_Toggle(const std::string& panel2);

void Status_Refresh(Edit_Area& edit, Status_Panels& panels, const Search_State& search);
