#pragma once
// The commands that read the document as the bytes of a file: "Определить
// кодировку" and the conversions between UTF-8 and WIN. Each puts the whole
// new text in place in one undoable edit, the caret back at the old selection
// start, or says why it cannot and changes nothing.
#include <string>

#include <vector>

#include "platform/unicode_edit.h"
#include "text/command_frame.h"
#include "text/reading_chain.h"
#include "text/text_texts.h"

// The wrong readings the command undid, oldest first, as the narrow panel of
// Recognized_Status_Text names them: the page the text was written in, and how many readings were
// undone when there were more than one ("KOI", "UTF-8 ×2").
std::string Recognized_Chain_Name(const std::vector<Wrong_Reading>& readings);

// Recognises the page the text's Windows-1251 bytes were written in and
// reads them in it, undoing up to two wrong readings that garbled the text
// before, all in one undoable step.
void Recognize_Page_Command(Text_Command_Host& host, Unicode_Edit& text);
// The text's Windows-1251 bytes read as UTF-8.
void Utf8_To_Win_Command(Text_Command_Host& host, Unicode_Edit& text);
// The text's characters as UTF-8 bytes, shown as Windows-1251.
void Win_To_Utf8_Command(Text_Command_Host& host, Unicode_Edit& text);
