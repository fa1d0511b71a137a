// The document session over the main window's parts, the registration of
// every document command, and the document steps the main window itself
// takes: the close guard and the text font.
#include "documents/win32/document_host.h"

#include "documents/document_files.h"
#include "documents/whole_text_need.h"
#include "documents/view_font.h"
#include "documents/win32/view_commands.h"
#include "platform/win32/document_prompts_win32.h"
#include "platform/win32/document_text_win32.h"
#include "platform/win32/file_dialogs_win32.h"
#include "platform/win32/file_writer_win32.h"

namespace {

Page_Recognizer Page_Recognizer_Of(const Document_Host& host) {
  return host.Settings.Recognize_Page_On_Open ? host.Recognize_Page : Page_Recognizer{};
}

}  // namespace

void With_Document_Session(Document_Host& host, const std::function<void(Document_Session&)>& command) {
  Rich_Edit& edit = host.Control.Edit();
  Rich_Edit_Document text(edit, &host.Control.Intake());
  Win32_File_Writer writer(host.Keep);
  Win32_File_Dialogs dialogs(host.Window);
  Zmk_File_Name_Part name_part;
  Win32_Document_Prompts prompts(host.Window);
  Document_Session session{edit,
                           text,
                           host.Calls,
                           host.Reader,
                           writer,
                           dialogs,
                           name_part,
                           prompts,
                           host.System_Shell,
                           host.Keys,
                           host.History,
                           host.Dialog_Path,
                           host.Saved_Layout,
                           host.Find_Next_Ready,
                           host.Settings.Caret_Memory,
                           host.Save_Dialog,
                           host.Doc,
                           Page_Recognizer_Of(host)};
  command(session);
}

void Document_Commands::Register(Command_Table& table) {
  Register_File_Commands(table);
  Register_Edit_Commands(table);
  Register_View_Commands(table);
  Register_Print_Help_Commands(table);
  Register_Encoding_Commands(table);
}

void Document_Commands::With_Session(const std::function<void(Document_Session&)>& command) {
  With_Document_Session(host_, command);
}

bool Document_Commands::May_Close() {
  // Changes may be saved: the whole text goes, never a part of it. An
  // unchanged text closes at once, whatever is still to come in.
  if (Close_Needs_Whole_Text(host_.Control.Edit().Modified())) host_.Control.Intake().Finish();
  bool may_close = true;
  With_Document_Session(host_, [&may_close](Document_Session& s) { may_close = ::May_Close(s); });
  return may_close;
}

void Document_Commands::Apply_Text_Font() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  Text_Font_Spec shown = host_.Look.Font;
  shown.Size = Shown_Font_Size(shown.Size);
  HFONT font = Create_Text_Font(shown, dpi);
  host_.Control.Edit().Apply_Font(host_.Look.Font, font);
  if (host_.Look.Font_Handle) DeleteObject(host_.Look.Font_Handle);
  host_.Look.Font_Handle = font;
}
