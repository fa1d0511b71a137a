// New, open, save, save as and the recent-files items.
#include "common/command_ids.h"
#include "documents/win32/document_host.h"

namespace {

void Open_Recent(Document_Host& host, int entry) {
  With_Document_Session(host,
                        [entry](Document_Session& s) { Open_From_History(s, s.History.Files.Names[entry]); });
}

}  // namespace

void Document_Commands::Register_File_Commands(Command_Table& table) {
  Document_Host* h = &host_;
  auto session = [h](void (*command)(Document_Session&)) {
    return [h, command] { With_Document_Session(*h, command); };
  };
  table.Add(IDM_New, session(New_Document));
  table.Add(IDM_Open, session(Open_Document));
  table.Add(IDM_Save, session(Save_Command));
  table.Add(IDM_Save_As, session(Save_As_Command));
  table.Add(IDM_Recent_1, [h] { Open_Recent(*h, 0); });
  table.Add(IDM_Recent_2, [h] { Open_Recent(*h, 1); });
  table.Add(IDM_Recent_3, [h] { Open_Recent(*h, 2); });
  table.Add(IDM_Recent_4, [h] { Open_Recent(*h, 3); });
  table.Add(IDM_Recent_5, [h] { Open_Recent(*h, 4); });
  table.Add(IDM_Recent_6, [h] { Open_Recent(*h, 5); });
  table.Add(IDM_Recent_7, [h] { Open_Recent(*h, 6); });
  table.Add(IDM_Recent_8, [h] { Open_Recent(*h, 7); });
}
