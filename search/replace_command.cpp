#include "search/replace_command.h"

#include "platform/keyboard_layout.h"

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

// Replaces every match from the caret on; false once the user declines to
// start over, true to go round again from the top.
bool Replace_To_End(Search_Context& c, const Find_Query& query, const std::string& with) {
  const int32_t found_length = int32_t(query.What.size());
  for (;;) {
    const int32_t start = Search_Start(c.Edit.Get_Selection());
    // Replacing a text with itself would change nothing; the beep says so.
    if (query.What == with) {
      c.Ui.Beep();
      c.Ui.Enable_Main_Window(true);
      return false;
    }
    const int32_t hit = c.Search.Find(query.What, start, c.Edit.Text_Length(), {query.Match_Case, false});
    if (hit < 0) break;
    c.Edit.Set_Selection(hit, hit + found_length);
    // Counted first, so that the status refresh the replacement causes shows it.
    ++c.State.Search_Count;
    c.Search.Replace_Selection_Plain(with);
    c.Ui.Process_Messages();
    // The caret now stands right behind the inserted text, where the next
    // search starts: a replacement that holds the find text is not found
    // again in this pass. Selecting the inserted text as well would cost a
    // second selection change per match, as much as the replacement itself.
  }
  c.Ui.Enable_Main_Window(true);
  if (!c.Ui.Ok_Cancel(kReplaceAgainQuestion)) return false;
  c.Edit.Set_Selection(0, 0);
  return true;
}

}  // namespace

void Replace_All(Search_Context& c, const Find_Query& query, const std::string& with) {
  // An empty find text would match at every offset and insert for ever.
  if (query.What.empty()) {
    c.Ui.Beep();
    return;
  }
  Layout_Guard layout(c.Keys);
  c.Ui.Enable_Main_Window(false);
  const Selection sel = c.Edit.Get_Selection();
  if (sel.End > sel.Start) {
    c.Search.Replace_Selection_Plain(with);
    ++c.State.Search_Count;
  }
  while (Replace_To_End(c, query, with)) c.Ui.Enable_Main_Window(false);
  const int32_t end = c.Edit.Text_Length();
  c.Edit.Set_Selection(end, end);
}
