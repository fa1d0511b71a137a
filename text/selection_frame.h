#pragma once
// The frames of the commands that act on the selection: re-typing, case,
// the line clean-ups, transliteration and spacing letters apart.
#include <string>

#include "text/command_frame.h"

// A transformation of the working text that reports its loop counter.
using Text_Transform = std::string (*)(const std::string& text, const Position_Callback& on_position);

// Re-types the selection in the Russian layout, selects it again to give it
// the font's character set, and leaves the caret behind it.
void Retype_To_Russian_Command(Text_Command_Host& host);
// Re-types the selection in the English layout; the caret stays behind it.
void Retype_To_Latin_Command(Text_Command_Host& host);
// Toggles the case of the selection and selects it again.
void Toggle_Case_Command(Text_Command_Host& host);

// Take the selection, transform it with the progress display running (the
// window disabled, "Делаю:" in panel 2), show the full bar and put the result
// in place of the range taken as one undo step. Used by the clean-ups
// and transliteration.
void Selection_Command(Text_Command_Host& host, Text_Transform transform);

// "Добавить пробелы в слова": marks in panel 3 but no label and no layout
// switch. The window refuses input while it runs too, and the result goes in
// place of the range that was taken.
void Space_Plus_Command(Text_Command_Host& host);
