#include "documents/document_commands.h"

#include <optional>

#include "platform/keyboard_layout.h"
#include "common/settings_model.h"
#include "common/control_text.h"
#include "documents/document_files.h"

namespace {
// Where the reader stands: the caret, or where it goes once its text is in.
int32_t Document_Caret(Document_Session& s) {
  return s.Text.Waiting_Caret().value_or(s.Edit.Get_Selection().Start);
}
}  // namespace

void Remember_Caret(Document_Session& s) { s.History.Remember_Caret(s.Doc.Name, Document_Caret(s)); }

void Restore_Caret(Document_Session& s) {
  if (auto caret = s.History.Caret_To_Restore(s.Doc.Name, s.Caret_Memory))
    if (!s.Text.Caret_Waits_For_Text(*caret)) s.Edit.Set_Selection(*caret, *caret);
}

void Add_To_History(Document_Session& s, const std::string& path) {
  s.History.Add(path, Document_Caret(s));
  s.Window.History_Changed();
}

namespace {

// A text that its 8-bit page cannot hold is never written with '?' in place
// of characters unless the user says so: the question offers UTF-8, which
// then becomes the document's encoding, the page with '?', or no save at
// all, which the user is told of. True when the file was written.
bool Save_Outside_Encoding(Document_Session& s, const std::string& path) {
  const Characters_Outside outside =
      Characters_Outside_Encoding(s.Text.Take_Unicode(), s.Doc.Encoding, kNulSymbol);
  File_Encoding encoding = s.Doc.Encoding;
  Outside_Characters replace = Outside_Characters::Replace_With_Question_Mark;
  switch (s.Prompts.Ask_Save_Changes(Outside_Encoding_Question(outside, s.Doc.Encoding))) {
    case Answer::Yes:
      encoding = File_Encoding::Utf8;
      replace = Outside_Characters::Refuse;
      break;
    case Answer::No:
      break;
    case Answer::Cancel:
      s.Prompts.Notice(Not_Saved_Text(path));
      return false;
  }
  if (Save_Document(s.Text, s.Writer, path, encoding, s.Doc.Ends, replace) != Save_Result::Saved) {
    s.Prompts.File_Error(Create_Error_Text(path, s.Writer.Failure_Reason()));
    return false;
  }
  if (encoding != s.Doc.Encoding) {
    s.Doc.Encoding = encoding;
    s.Window.Show_Document();
  }
  return true;
}

// Before a save writes over the document's own file: a part of the file,
// or a file another program has changed since it was read, goes over it
// only when the user says so.
bool May_Write_Over(Document_Session& s, const std::string& path) {
  if (!s.Reader.Same_File(path, s.Doc.Name)) return true;
  std::string question;
  if (s.Doc.Partial) {
    question = Partial_Save_Question(path);
  } else if (s.Doc.Stamp) {
    const auto now = s.Reader.Stamp_Of(path);
    if (now && *now != *s.Doc.Stamp) question = Changed_On_Disk_Question(path);
  }
  if (question.empty() || s.Prompts.Ask_Overwrite(question) == Answer::Yes) return true;
  s.Prompts.Notice(Not_Saved_Text(path));
  return false;
}

bool Write_To(Document_Session& s, const std::string& path) {
  const Save_Result result = Save_Document(s.Text, s.Writer, path, s.Doc.Encoding, s.Doc.Ends);
  if (result == Save_Result::Saved) return true;
  if (result == Save_Result::Outside_Encoding) return Save_Outside_Encoding(s, path);
  s.Prompts.File_Error(Create_Error_Text(path, s.Writer.Failure_Reason()));
  return false;
}

// A failed write is reported and leaves the file, the document and every
// setting as they were; the caller then stops. A written file is the
// document's text whole, as it stands on the disk now.
bool Save_To(Document_Session& s, const std::string& path) {
  if (!May_Write_Over(s, path) || !Write_To(s, path)) return false;
  s.Doc.Partial = false;
  s.Doc.Stamp = s.Reader.Stamp_Of(path);
  return true;
}

std::optional<std::string> Show_Save_Dialog(Document_Session& s) {
  auto chosen = s.Dialogs.Ask_Save(s.Save_Dialog.Initial_Folder, s.Save_Dialog.File_Name);
  if (chosen) s.Save_Dialog.File_Name = *chosen;
  return chosen;
}

bool Loads_Follow(Guard_Column column) {
  return column == Guard_Column::History_Load || column == Guard_Column::Open;
}

Guard_Result Guard_Named_Save(Document_Session& s, Guard_Column column, const std::string& name) {
  if (!Save_To(s, name)) return Guard_Result::Stop;
  if (Loads_Follow(column)) s.Edit.Set_Modified(false);
  s.Dialog_Path = name;
  Add_To_History(s, name);
  return Guard_Result::Go_On;
}

Guard_Result Guard_Dialog_Save(Document_Session& s, Guard_Column column) {
  s.Save_Dialog.Initial_Folder = s.Dialog_Path;
  if (!Loads_Follow(column)) s.Save_Dialog.File_Name = kUntitledName;
  const auto chosen = Show_Save_Dialog(s);
  // The user asked to keep the changes and then gave no file to keep them
  // in: dropping them now would lose the text, so the command stops as on
  // Cancel, whichever command asked.
  if (!chosen) return Guard_Result::Stop;
  if (!Save_To(s, *chosen)) return Guard_Result::Stop;
  s.Dialog_Path = *chosen;
  if (Loads_Follow(column)) {
    s.Doc.Name = *chosen;
    s.Window.Show_Document();
    s.Edit.Set_Modified(false);
  }
  Add_To_History(s, *chosen);
  return Guard_Result::Go_On;
}

// A new document is WIN with CR LF line ends. The taskbar keeps its title
// unless the caller names it anew.
void Empty_Document(Document_Session& s, bool new_title) {
  s.Window.Reset_Editor();
  const std::string title = new_title ? kUntitledName : s.Doc.Title;
  s.Doc = Document{};
  s.Doc.Title = title;
  s.Window.Show_Document();
  s.Edit.Set_Modified(false);
  s.Window.Refresh_Status();
}

// The file is read (a large one opened as a view of it) before anything is
// touched, so that a file that cannot be read leaves the current document
// exactly as it was.
Shared_File_Bytes Read_Whole(Document_Session& s, const std::string& path) {
  return s.Reader.Read_Shared(path);
}

}  // namespace

Guard_Result Save_Changes_Guard(Document_Session& s, Guard_Column column) {
  if (!s.Edit.Modified()) return Guard_Result::Go_On;
  switch (s.Prompts.Ask_Save_Changes(kSaveChangesQuestion)) {
    case Answer::Cancel:
      return Guard_Result::Stop;
    case Answer::No:
      return Guard_Result::Go_On;
    case Answer::Yes:
      break;
  }
  return s.Doc.Untitled() ? Guard_Dialog_Save(s, column) : Guard_Named_Save(s, column, s.Doc.Name);
}

void New_Document(Document_Session& s) {
  if (!s.Edit.Modified()) {
    Empty_Document(s, true);
    return;
  }
  if (Save_Changes_Guard(s, Guard_Column::New) == Guard_Result::Stop) return;
  Empty_Document(s, false);
}

void Open_Document(Document_Session& s) {
  if (Save_Changes_Guard(s, Guard_Column::Open) == Guard_Result::Go_On) {
    if (auto path = s.Dialogs.Ask_Open(s.Dialog_Path)) Open_Chosen_File(s, *path);
  }
  Restore_Layout(s.Keys, s.Saved_Layout);
}

bool Load_File(Document_Session& s, const std::string& path, const Shared_File_Bytes& bytes,
               std::optional<File_Encoding> forced) {
  const File_Survey survey = Survey_File(bytes->View());
  const Memory_Need need = Memory_For_File(s.Text, survey, bytes->View().size());
  if (!need.Fits()) {
    s.Prompts.File_Error(Too_Large_Text(path, need));
    return false;
  }
  Remember_Caret(s);
  s.Window.Reset_Editor();
  Document loaded;
  Take_File_Form(loaded, Put_Document(s.Text, path, bytes, survey, s.Recognize_Page, forced));
  loaded.Name = loaded.Title = path;
  loaded.Stamp = s.Reader.Stamp_Of(path);
  s.Doc = loaded;
  s.Window.Show_Document();
  Restore_Caret(s);
  s.Window.Clear_Conversion_Marks();
  Add_To_History(s, path);
  s.Edit.Set_Modified(false);
  s.Find_Next_Ready = false;
  s.System_Shell.Add_To_Recent_Documents(path);
  s.Window.Refresh_Status();
  return true;
}

void Open_Chosen_File(Document_Session& s, const std::string& path) {
  const auto bytes = Read_Whole(s, path);
  if (!bytes) {
    s.Prompts.File_Error(Open_Error_Text(path, s.Reader.Failure_Reason()));
    return;
  }
  s.Saved_Layout = s.Keys.Current_Layout();
  if (Load_File(s, path, bytes)) s.Dialog_Path = path;
}

void Open_From_History(Document_Session& s, const std::string& path) {
  if (path.empty()) return;
  if (Save_Changes_Guard(s, Guard_Column::History_Load) == Guard_Result::Stop) return;
  s.Saved_Layout = s.Keys.Current_Layout();
  const auto bytes = Read_Whole(s, path);
  if (!bytes) {
    if (s.Reader.Exists(path))
      s.Prompts.File_Error(Open_Error_Text(path, s.Reader.Failure_Reason()));
    else
      s.Prompts.Notice(kHistoryFileMissing);
    return;
  }
  if (Load_File(s, path, bytes)) s.Dialog_Path = path;
  Restore_Layout(s.Keys, s.Saved_Layout);
}

// The save dialog as prepared; a confirmed name becomes the document's.
static void Save_Under_Chosen_Name(Document_Session& s) {
  const auto chosen = Show_Save_Dialog(s);
  if (!chosen || !Save_To(s, *chosen)) return;
  s.Doc.Name = *chosen;
  s.Window.Show_Document();
  s.Dialog_Path = *chosen;
  s.Edit.Set_Modified(false);
  Add_To_History(s, *chosen);
}

void Save_Command(Document_Session& s) {
  const std::string name = s.Doc.Name;
  s.Save_Dialog.Initial_Folder = s.Dialog_Path;
  if (!s.Doc.Untitled()) {
    if (!Save_To(s, name)) return;
    s.Edit.Set_Modified(false);
    s.Dialog_Path = name;
    Add_To_History(s, name);
    return;
  }
  s.Save_Dialog.File_Name = kUntitledName;
  Save_Under_Chosen_Name(s);
}

void Save_As_Command(Document_Session& s) {
  const std::string name = s.Doc.Name;
  // The untitled name is a bare file name: as a start folder it would send
  // the dialog to wherever the system likes.
  const auto proposal = s.Doc.Untitled() ? std::nullopt : s.Name_Part.Name_Of(name);
  if (proposal) {
    s.Save_Dialog.File_Name = *proposal;
    s.Save_Dialog.Initial_Folder = name;
  } else {
    s.Save_Dialog.File_Name = kUntitledName;
    s.Save_Dialog.Initial_Folder = s.Dialog_Path;
  }
  Save_Under_Chosen_Name(s);
}

bool May_Close(Document_Session& s) {
  return Save_Changes_Guard(s, Guard_Column::Close) == Guard_Result::Go_On;
}

void Restore_Document(Document_Session& s, const Recovery_Copy& copy) {
  s.Window.Reset_Editor();
  s.Text.Put_Unicode(copy.Text);
  s.Doc = copy.Doc;
  s.Doc.Title = s.Doc.Name;
  s.Window.Show_Document();
  s.Edit.Set_Modified(true);
  if (!s.Text.Caret_Waits_For_Text(copy.Caret)) s.Edit.Set_Selection(copy.Caret, copy.Caret);
  s.Window.Refresh_Status();
}
