#pragma once
// Clean-up of the lines of a selection in the working text (Windows-1251,
// every line break a single CR). Only CR, space and tab are looked at; every
// other byte is an ordinary character. Each function is one left-to-right pass
// and accepts an empty on_position.
//
// on_position receives the loop counter of the command, once per iteration
// before its work, for the progress bar:
//   Remove_Line_Breaks       position 1..length
//   Remove_Line_Start_Space  position 1..length of the (shrunk) result
//   Squeeze_Spaces,
//   Remove_Trailing_Spaces   iteration 1, 2, 3 ...: one per byte that is not a
//                            space, one per run of spaces
//   Replace_Tabs             position 1..length of the (grown) result
//   Add_Spaces_Into_Words    position 1..length - 1
#include <string>

#include "platform/progress.h"

constexpr char Line_Break = '\r';

// Joins the lines of each paragraph: a CR becomes a space unless the byte
// after it is a space or CR, or the byte before it is CR. The text's edges
// count as neither. The length stays.
std::string Remove_Line_Breaks(const std::string& text, const Position_Callback& on_position = {});

// Deletes a space at the very start and one space behind every CR.
std::string Remove_Line_Start_Space(const std::string& text, const Position_Callback& on_position = {});

// Shortens every run of two or more spaces to one, except a run at the start
// of the text, right behind a CR or right before a CR.
std::string Squeeze_Spaces(const std::string& text, const Position_Callback& on_position = {});

// Deletes every run of spaces that a CR follows; spaces at the very end of
// the text, with no CR behind, stay.
std::string Remove_Trailing_Spaces(const std::string& text, const Position_Callback& on_position = {});

// Every tab becomes exactly four spaces; no tab stops are computed.
std::string Replace_Tabs(const std::string& text, const Position_Callback& on_position = {});

// A space behind every byte but the last, CR and spaces included.
std::string Add_Spaces_Into_Words(const std::string& text, const Position_Callback& on_position = {});
