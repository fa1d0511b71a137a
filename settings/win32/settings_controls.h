#pragma once
// The settings dialog's controls: moving the settings in and out, the two
// pages, the sound rows, hints, help topics and the play buttons' look.
#include <windows.h>

#include "settings/settings_form.h"

int Row_Control(int row, int part);  // part: IDC_Row_Label .. IDC_Row_BitBtn
// The row (0..4) a sound-row control belongs to, or -1.
int Row_Of(int id);
int Part_Of(int id);

void Show_Controls(HWND dialog, const Settings_Controls& controls);
Settings_Controls Read_Controls(HWND dialog);
int32_t Read_Undo_Limit(HWND dialog);
std::string Read_Row_File(HWND dialog, int row);
void Set_Row_File(HWND dialog, int row, const std::string& path);

// The page control's two tabs, the spin box and slider ranges and the hints.
void Init_Controls(HWND dialog);
void Show_Page(HWND dialog, int page);
// A sound row's label, field and buttons follow its box.
void Sync_Sound_Row(HWND dialog, int row);
// The help topic of a control, 0 when it has none.
DWORD Help_Context(int id);
void Draw_Play_Button(const DRAWITEMSTRUCT& item);
