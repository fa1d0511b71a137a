#pragma once
// The frame of "Умное форматирование" over the whole document.
#include "text/command_frame.h"
#include "text/smart_format.h"

enum class Smart_Format_Outcome { Too_Short, Declined, Done };

// The document's lines as the edit area shows them now: the display lines
// under word wrap, the text's lines otherwise. on_position follows the
// reading of the display lines, which takes the edit area's time.
Line_List Shown_Lines(Edit_Area& edit, Edit_Area_Extras& extras, const Position_Callback& on_position = {});

// Refuses a document that holds a character Windows-1251 lacks (a notice,
// then Declined). Reads the lines under the progress display, beeps for a
// document of fewer than two lines, asks the warning, then runs both passes
// under the progress display and replaces the whole document once with the
// justified text, without an undo record. The undo history is emptied and
// the closing notice shown once the window is back. Stopped by the user
// (Command_Stopped comes out), it leaves the text and its undo history.
Smart_Format_Outcome Smart_Format_Document(Text_Command_Host& host);
