#pragma once
// The frame shared by the twenty code-page conversions: the whole document,
// whatever is selected, converted and put back as one undoable edit.
#include <string>

#include "text/codepages.h"
#include "text/command_frame.h"

// Converts the document by the conversion of the menu item `menu_id`, from
// its source page to its target, every character both pages hold
// (text/menu_conversion.h), under the progress display. An empty
// document changes nothing, not even the marks or the clipboard, and neither
// does one that holds a character Windows-1251 lacks, after a notice, nor
// one whose conversion the user stops (Command_Stopped comes out). Otherwise
// the converted text goes to the clipboard (left there for the user),
// replaces the document in one undoable edit, the caret returns to the old
// selection start with nothing selected and the conversion's menu item alone
// is checked. True when the document was converted; an id of no conversion
// converts nothing.
bool Convert_Document(Text_Command_Host& host, int menu_id);
