#pragma once
// New, open, save, save as, the recent-files load and the unsaved-changes
// guard that stands before every command which discards the document.
#include <cstdint>
#include <string>

#include "common/file_encoding.h"
#include "documents/document.h"
#include "documents/document_files.h"
#include "documents/documents_texts.h"
#include "documents/history.h"
#include "documents/recovery_copy.h"
#include "platform/document_prompts.h"
#include "platform/document_text.h"
#include "platform/document_window.h"
#include "platform/edit_area.h"
#include "platform/file_dialogs.h"
#include "platform/file_writer.h"
#include "platform/files.h"
#include "platform/keyboard.h"
#include "platform/shell.h"

// The save dialog lives as long as the window: what it last held is where
// it starts next time.
struct Save_Dialog_State {
  std::string File_Name;
  std::string Initial_Folder;
};

// Everything the commands work on; the main window owns it all.
struct Document_Session {
  Edit_Area& Edit;
  Document_Text& Text;
  Document_Window& Window;
  Files& Reader;
  File_Writer& Writer;
  File_Dialogs& Dialogs;
  File_Name_Part& Name_Part;
  Document_Prompts& Prompts;
  Shell& System_Shell;
  Keyboard& Keys;
  Recent_Files& History;
  std::string& Dialog_Path;  // the file the Open and Save dialogs start at
  uint32_t& Saved_Layout;
  bool& Find_Next_Ready;
  const bool& Caret_Memory;
  Save_Dialog_State& Save_Dialog;
  // The document's name, encoding and line ends, which the window shows.
  Document& Doc;
  // Names the page of an 8-bit file being opened; empty opens it as WIN.
  Page_Recognizer Recognize_Page = {};
};

// Where the guard runs; each place has its own follow-up steps.
enum class Guard_Column { History_Load, Open, New, Close };
enum class Guard_Result { Go_On, Stop };

Guard_Result Save_Changes_Guard(Document_Session& s, Guard_Column column);

void New_Document(Document_Session& s);
void Open_Document(Document_Session& s);
// The load of the file confirmed in the open dialog.
void Open_Chosen_File(Document_Session& s, const std::string& path);
void Open_From_History(Document_Session& s, const std::string& path);
// The load every way of opening a file ends in, once its bytes are read:
// the file becomes the document, named after it, and joins the recent
// files. A file the edit area cannot hold in the memory it can have is
// reported and false, and the current document stays as it was. With
// `forced`, the file is read in that encoding (Put_Document).
bool Load_File(Document_Session& s, const std::string& path, const Shared_File_Bytes& bytes,
               std::optional<File_Encoding> forced = std::nullopt);
void Save_Command(Document_Session& s);
void Save_As_Command(Document_Session& s);
// True when the window may close.
bool May_Close(Document_Session& s);

// A recovery copy becomes the document again: its text, name, encoding and
// line ends, with its caret, and unsaved, so that a save writes it where it
// belongs.
void Restore_Document(Document_Session& s, const Recovery_Copy& copy);

// The caret routines of the recent-files list for the current document.
void Remember_Caret(Document_Session& s);
void Restore_Caret(Document_Session& s);
void Add_To_History(Document_Session& s, const std::string& path);
