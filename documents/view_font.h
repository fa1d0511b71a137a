#pragma once
// The font commands: the font dialog and the one-point size steps. A font
// change alone never marks the document modified, and the caret comes back
// to its offset with nothing selected.
#include <functional>

#include "documents/view_area.h"
#include "platform/edit_area.h"

// The sizes the edit area can show, in points; the control takes sizes in
// twentieths of a point and refuses anything above the largest. A size read
// from the settings file may lie outside; it is shown at the nearest end.
constexpr int32_t kSmallestShownSize = 1;
constexpr int32_t kLargestShownSize = kLargestFontSize;
int32_t Shown_Font_Size(int32_t points);

// "Шрифт больше" with +1, "Шрифт меньше" with -1. The font's size stops
// where the shown size stops, so that a step the other way is seen at once.
void Step_Font_Size(Edit_Area& edit, View_Area& view, Text_Font_Spec& font, int32_t delta);

// "Тип шрифта": false when the dialog was cancelled (nothing changed).
bool Choose_Text_Font(Edit_Area& edit, View_Area& view, Text_Font_Spec& font, Font_Chooser& chooser);

// "Перенос по словам": flips the flag, the wrapping and the scroll bars;
// `refresh` updates the line and column shown in the status bar.
void Toggle_Word_Wrap(Edit_Area& edit, View_Area& view, bool& word_wrap,
                      const std::function<void()>& refresh);
