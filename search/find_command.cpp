#include "search/find_command.h"

#include "platform/keyboard_layout.h"
#include "common/win1251_unicode.h"

std::string Find_Preset(Settings_File& file, Edit_Area& edit) {
  const Selection sel = edit.Get_Selection();
  if (sel.End > sel.Start) return Dialog_Text(edit.Selected_Text());
  return Dialog_Text(Utf8_To_Win1251(file.Read_String(kFindSection, kFindKey, kFindTextDefault)));
}

std::string Replace_Preset(Edit_Area& edit) {
  const Selection sel = edit.Get_Selection();
  return sel.End > sel.Start ? Dialog_Text(edit.Selected_Text()) : std::string();
}

void Find_From_Dialog(Search_Context& c, Settings_File& file, const Find_Query& query) {
  if (query.What.empty()) {
    c.Ui.Beep();
    return;
  }
  std::string refused;
  {
    Layout_Guard layout(c.Keys);
    c.State.Find_Next_Ready = true;
    Search_Step(c, query, kFindAgainQuestion, true);
    try {
      file.Write_String(kFindSection, kFindKey, Win1251_To_Utf8(query.What));
    } catch (const Settings_Write_Error& e) {
      refused = e.what();
    }
  }
  if (!refused.empty()) c.Ui.Error(refused);
}

void Find_Next(Search_Context& c, Settings_File& file, const Find_Query& query) {
  if (!c.State.Find_Next_Ready) {
    c.Ui.Beep();
    return;
  }
  Find_From_Dialog(c, file, query);
}

void Search_Dialog_Shown(Search_State& state, bool replace_dialog) {
  state.Search_Count = 0;
  (replace_dialog ? state.Replace_Open : state.Find_Open) = true;
}

void Search_Dialog_Closed(Search_State& state, bool replace_dialog, Status_Panels& panels, bool overwriting) {
  (replace_dialog ? state.Replace_Open : state.Find_Open) = false;
  panels.Set_Text(kPanelMode, overwriting ? kOverwriteText : kInsertText);
}
