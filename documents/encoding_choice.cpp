#include "documents/encoding_choice.h"

#include "common/control_text.h"
#include "documents/document_files.h"

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
