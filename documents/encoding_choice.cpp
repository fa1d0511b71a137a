#include "documents/encoding_choice.h"

#include "common/control_text.h"
#include "documents/document_commands.h"
#include "documents/document_files.h"
#include "platform/keyboard_layout.h"

void Choose_Encoding(Document_Session& s, File_Encoding encoding) {
  if (encoding == s.Doc.Encoding) return;
  s.Doc.Encoding = encoding;
  // The file on disk is not yet in the chosen encoding: closing asks to save.
  s.Edit.Set_Modified(true);
  s.Window.Show_Document();
  const Characters_Outside outside = Characters_Outside_Encoding(s.Text.Take_Unicode(), encoding, kNulSymbol);
  if (outside.Count) s.Prompts.Notice(Outside_Chosen_Encoding_Warning(outside, encoding));
}

void Choose_Line_Ends(Document_Session& s, Line_End ends) {
  if (ends == s.Doc.Ends) return;
  s.Doc.Ends = ends;
  s.Edit.Set_Modified(true);
  s.Window.Show_Document();
}

void Reread_In_Encoding(Document_Session& s, File_Encoding encoding) {
  if (s.Doc.Untitled()) return;
  if (Save_Changes_Guard(s, Guard_Column::Open) == Guard_Result::Stop) return;
  const std::string path = s.Doc.Name;
  const auto bytes = s.Reader.Read_Shared(path);
  if (!bytes) {
    s.Prompts.File_Error(Open_Error_Text(path, s.Reader.Failure_Reason()));
    return;
  }
  std::string_view text = bytes->View();
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  // The edit area holds no NUL character, which only WIN keeps as a sign.
  if (!Is_8_Bit_Encoding(encoding) && (!Is_Valid_Utf8(text) || text.find('\0') != std::string_view::npos)) {
    s.Prompts.Notice(Not_Utf8_File_Text(path));
    return;
  }
  s.Saved_Layout = s.Keys.Current_Layout();
  Load_File(s, path, bytes, encoding);
  Restore_Layout(s.Keys, s.Saved_Layout);
}
