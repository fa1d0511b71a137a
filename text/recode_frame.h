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

// What "Определить кодировку" found, in status panel 1 in place of the line
// count until the status bar is next refreshed: " Распознано: KOI" and so on.
// That panel shows in the narrowest window, and the insert mode beside it stays.
std::string Recognized_Status_Text(const std::string& page_name);
// The wrong readings the command undid, oldest first, as that narrow panel
// names them: the page the text was written in, and how many readings were
// undone when there were more than one ("KOI", "UTF-8 ×2").
std::string Recognized_Chain_Name(const std::vector<Wrong_Reading>& readings);
constexpr const char* kNot_Recognized_Status = " Не распознано";
constexpr const char* kNot_Recognized_Notice =
    "Кодировку распознать не удалось: текст слишком короткий или не похож на русский. Текст не изменён.";
constexpr const char* kAlready_Win_Notice = "Текст уже в кодировке WIN. Текст не изменён.";
constexpr const char* kNot_Utf8_Notice =
    "Текст не является записью в кодировке UTF-8, перевести его в WIN нельзя. Текст не изменён.";
// The text holds a character Windows-1251 lacks, so it never was a file read as WIN.
std::string Not_File_Bytes_Notice(const std::string& first_character);

// Recognises the page the text's Windows-1251 bytes were written in and
// reads them in it, undoing up to two wrong readings that garbled the text
// before, all in one undoable step.
void Recognize_Page_Command(Text_Command_Host& host, Unicode_Edit& text);
// The text's Windows-1251 bytes read as UTF-8.
void Utf8_To_Win_Command(Text_Command_Host& host, Unicode_Edit& text);
// The text's characters as UTF-8 bytes, shown as Windows-1251.
void Win_To_Utf8_Command(Text_Command_Host& host, Unicode_Edit& text);
