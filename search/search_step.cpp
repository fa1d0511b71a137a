#include "search/search_step.h"

int32_t Search_Start(const Selection& selection) {
  return selection.End > selection.Start ? selection.End : selection.Start;
}

std::string Dialog_Text(const std::string& text) { return text.substr(0, kDialogTextLimit); }

Step_Result Search_Step(Search_Context& c, const Find_Query& query, const char* question, bool count_hit) {
  if (query.What.empty()) {
    c.Ui.Beep();
    return Step_Result::Nothing_To_Find;
  }
  const int32_t length = int32_t(query.What.size());
  for (;;) {
    const int32_t start = Search_Start(c.Edit.Get_Selection());
    const int32_t hit = c.Search.Find(query.What, start, c.Edit.Text_Length(), {query.Match_Case, false});
    if (hit >= 0) {
      if (count_hit) ++c.State.Search_Count;
      c.Search.Focus();
      c.Edit.Set_Selection(hit, hit + length);
      c.Search.Scroll_To_Selection();
      return Step_Result::Found;
    }
    // Every OK comes back here when the text holds no match at all; only
    // Cancel ends the search then, as the user decides.
    if (!c.Ui.Ok_Cancel(question)) return Step_Result::Cancelled;
    c.Edit.Set_Selection(0, 0);
  }
}
