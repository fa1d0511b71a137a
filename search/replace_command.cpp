#include "search/replace_command.h"

#include <algorithm>

#include "common/control_text.h"
#include "platform/keyboard_layout.h"
#include "search/replace_pass.h"

void Find_Next_For_Replace(Search_Context& c, const Find_Query& query) {
  Layout_Guard layout(c.Keys);
  Search_Step(c, query, kReplaceAgainQuestion, false);
}

void Replace_Selection_And_Find(Search_Context& c, const Find_Query& query, const std::string& with) {
  // The inner step records the Russian layout it finds; this outer guard
  // brings back the one that was active before the button was pressed.
  Layout_Guard layout(c.Keys);
  const Selection sel = c.Edit.Get_Selection();
  if (sel.End > sel.Start) {
    c.Search.Replace_Selection_Plain(with);
    c.Edit.Set_Selection(sel.Start, sel.Start + int32_t(with.size()));
    ++c.State.Search_Count;
  }
  Find_Next_For_Replace(c, query);
}

namespace {

// The text as the control holds it with `with` in place of [start, end).
std::wstring With_Range_Replaced(const std::wstring& text, Selection range, const std::string& with) {
  const auto start = std::size_t(std::max(range.Start, 0));
  const auto end = std::min(text.size(), std::size_t(std::max(range.End, range.Start)));
  return text.substr(0, start) + Document_To_Control_Text(with) + text.substr(end);
}

// One pass from `range` on; false when it ends replace all without the
// question: the find text equals its replacement.
bool Replace_Pass(Search_Context& c, const Find_Query& query, const std::string& with, Selection range) {
  std::wstring text = c.Whole.Whole_Text();
  std::int32_t count = 0;
  std::size_t from = std::size_t(std::max(Search_Start(range), 0));
  if (range.End > range.Start) {
    text = With_Range_Replaced(text, range, with);
    from = std::size_t(range.Start) + with.size();
    count = 1;
  }
  // Replacing a text with itself would change nothing; the beep says so.
  const bool same = query.What == with;
  if (!same) {
    Long_Command command(c.Panels, c.Ui, c.Keys, std::int64_t(text.size()), {Progress_Label, false});
    Replaced_Text replaced =
        Replace_Matches(text, from, query.What, with, {query.Match_Case, false}, command.On_Position());
    command.Full_Bar();
    text = std::move(replaced.Text);
    count += replaced.Count;
  }
  if (count > 0) {
    // Counted first, so that the status refresh the new text causes shows it.
    c.State.Search_Count += count;
    c.Whole.Replace_Whole_Text(text, true);
  }
  if (same) c.Ui.Beep();
  return !same;
}

}  // namespace

void Replace_All(Search_Context& c, const Find_Query& query, const std::string& with) {
  // An empty find text would match at every offset.
  if (query.What.empty()) {
    c.Ui.Beep();
    return;
  }
  Layout_Guard layout(c.Keys);
  const bool done = Run_Stoppable(c.Panels, [&] {
    Selection range = c.Edit.Get_Selection();
    while (Replace_Pass(c, query, with, range) && c.Ui.Ok_Cancel(kReplaceAgainQuestion)) range = {0, 0};
  });
  if (!done) return;
  const int32_t end = c.Edit.Text_Length();
  c.Edit.Set_Selection(end, end);
}
