#include "documents/view_font.h"

#include <algorithm>

int32_t Shown_Font_Size(int32_t points) { return std::clamp(points, kSmallestShownSize, kLargestShownSize); }

namespace {

// Everything selected and formatted, then the caret put back at its offset.
struct Whole_Text_Format {
  Edit_Area& edit;
  int32_t caret;
  explicit Whole_Text_Format(Edit_Area& e) : edit(e), caret(e.Get_Selection().Start) {
    edit.Set_Selection(0, -1);
  }
  ~Whole_Text_Format() { edit.Set_Selection(caret, caret); }
};

}  // namespace

void Step_Font_Size(Edit_Area& edit, View_Area& view, Text_Font_Spec& font, int32_t delta) {
  const bool was_modified = edit.Modified();
  // Stepping from the shown size keeps a size from the settings file far
  // outside the shown range from overflowing or taking many dead steps.
  font.Size = Shown_Font_Size(Shown_Font_Size(font.Size) + delta);
  Text_Font_Spec shown = font;
  view.Set_Default_Font(shown);
  {
    Whole_Text_Format all(edit);
    // The text holds one format, that of the font, so its size follows the font's.
    view.Set_Selection_Font_Size(shown.Size);
  }
  edit.Set_Modified(was_modified);
}

bool Choose_Text_Font(Edit_Area& edit, View_Area& view, Text_Font_Spec& font, Font_Chooser& chooser) {
  const bool was_modified = edit.Modified();
  const Selection before = edit.Get_Selection();
  const std::optional<Text_Font_Spec> chosen = chooser.Choose(font);
  if (!chosen) {
    edit.Set_Selection(before.Start, before.End);
    return false;
  }
  font = *chosen;
  Text_Font_Spec shown = font;
  shown.Size = Shown_Font_Size(font.Size);
  view.Set_Default_Font(shown);
  {
    Whole_Text_Format all(edit);
    view.Set_Selection_Font(shown);
  }
  // A document that was already modified stays modified.
  if (!was_modified) edit.Set_Modified(false);
  return true;
}

void Toggle_Word_Wrap(Edit_Area& edit, View_Area& view, bool& word_wrap,
                      const std::function<void()>& refresh) {
  const int32_t caret = edit.Get_Selection().Start;
  word_wrap = !word_wrap;
  view.Set_Word_Wrap(word_wrap);
  if (refresh) refresh();
  edit.Set_Selection(caret, caret);
}
