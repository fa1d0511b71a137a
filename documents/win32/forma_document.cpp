#include "documents/win32/forma_document.h"

#include "app/win32/forma.h"
#include "platform/win32/document_prompts_win32.h"
#include "platform/win32/document_text_win32.h"
#include "platform/win32/file_dialogs_win32.h"
#include "platform/win32/file_writer_win32.h"
#include "text/win32/conversion_marks.h"

namespace {

Save_Dialog_State Save_Dialog;

class Forma_Window : public Document_Window {
 public:
  std::string Document_Name() override { return ::Document_Name(); }
  void Set_Document_Name(const std::string& name) override { ::Set_Document_Name(name); }
  void Set_Application_Title(const std::string& title) override { ::Set_Application_Title(title); }
  void Reset_Editor() override { ::Reset_Editor(); }
  void Refresh_Status() override { ::Refresh_Status(); }
  void Clear_Conversion_Marks() override { Mark_Conversion("Убрать галки"); }
  void History_Changed() override { Fill_History_Menu(); }
};

}  // namespace

void With_Document_Session(const std::function<void(Document_Session&)>& command) {
  Forma_Window window;
  Rich_Edit_Document text(Forma.RxRichEdit);
  Win32_File_Writer writer;
  Win32_File_Dialogs dialogs(Forma.Handle);
  Zmk_File_Name_Part name_part;
  Win32_Document_Prompts prompts(Forma.Handle);
  Document_Session session{Forma.RxRichEdit,
                           text,
                           window,
                           Forma.Files,
                           writer,
                           dialogs,
                           name_part,
                           prompts,
                           Forma.Shell,
                           Forma.Keyboard,
                           Forma.History_List,
                           Forma.Current_Path,
                           Forma.Saved_Layout,
                           Forma.Search.Find_Next_Ready,
                           Nastroyki.Poziciya_Kursora,
                           Save_Dialog};
  command(session);
}

bool Document_Close_Query() {
  bool may_close = true;
  With_Document_Session([&may_close](Document_Session& s) { may_close = FormCloseQuery(s); });
  return may_close;
}
