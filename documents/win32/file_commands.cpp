// New, open, save, save as and the recent-files items.
#include "documents/win32/file_commands.h"

#include "app/command_ids.h"
#include "app/win32/commands.h"
#include "app/win32/forma.h"
#include "documents/win32/forma_document.h"
#include "platform/win32/document_text_win32.h"

namespace {

void Sozdat_TextClick() {
  With_Document_Session([](Document_Session& s) { Sozdat_TextClick(s); });
}
void Open_TextClick() {
  With_Document_Session([](Document_Session& s) { Open_TextClick(s); });
}
void Save_TextClick() {
  With_Document_Session([](Document_Session& s) { Save_TextClick(s); });
}
void Save_KakClick() {
  With_Document_Session([](Document_Session& s) { Save_KakClick(s); });
}

template <int Entry>
void NameClick() {
  With_Document_Session([](Document_Session& s) { Open_From_History(s, s.History.Files.Names[Entry]); });
}

}  // namespace

bool FormCloseQuery() { return Document_Close_Query(); }

void Put_Start_Up_Text(const std::string& working_text) {
  Rich_Edit_Document(Forma.RxRichEdit.Handle()).Put(working_text);
}

void Register_File_Commands(Command_Table& table) {
  table.Add(IDM_Sozdat_Text, Sozdat_TextClick);
  table.Add(IDM_Open_Text, Open_TextClick);
  table.Add(IDM_Save_Text, Save_TextClick);
  table.Add(IDM_Save_Kak, Save_KakClick);
  table.Add(IDM_Name1 + 0, NameClick<0>);
  table.Add(IDM_Name1 + 1, NameClick<1>);
  table.Add(IDM_Name1 + 2, NameClick<2>);
  table.Add(IDM_Name1 + 3, NameClick<3>);
  table.Add(IDM_Name1 + 4, NameClick<4>);
  table.Add(IDM_Name1 + 5, NameClick<5>);
  table.Add(IDM_Name1 + 6, NameClick<6>);
  table.Add(IDM_Name1 + 7, NameClick<7>);
}
