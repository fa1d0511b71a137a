#pragma once
// The frame of "Умное форматирование" over the whole document.
#include "text/command_frame.h"
#include "text/smart_format.h"

enum class Smart_Format_Outcome { Too_Short, Declined, Done };

// The document's lines as the edit area shows them now: the display lines
// under word wrap, the text's lines otherwise.
Line_List Shown_Lines(Edit_Area& edit, Edit_Area_Extras& extras);

// Refuses a document that holds a character Windows-1251 lacks (a notice,
// then Declined). Beeps for a document of fewer than two lines, asks the warning, then runs
// both passes under the progress display and replaces the whole document once
// with the justified text, without an undo record. The undo history is
// emptied and the closing notice shown once the window is back.
Smart_Format_Outcome Smart_Format_Document(Text_Command_Host& host);
