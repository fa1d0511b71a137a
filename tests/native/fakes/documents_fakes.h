#pragma once
// Stand-ins for the seams of the document commands, and a session over them.
#include <cstdint>
#include <map>
#include <set>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/control_text.h"
#include "common/win1251_unicode.h"
#include "common/line_ends.h"
#include "documents/document_commands.h"
#include "fake_platform.h"
#include "platform/clipboard.h"
#include "platform/edit_operations.h"
#include "zmk/name_file.h"

// The document text of a Fake_Edit; rich text is kept apart to tell the two ways apart.
class Fake_Document_Text : public Document_Text {
 public:
  explicit Fake_Document_Text(Fake_Edit& edit) : edit_(edit) {}
  std::string rich;  // what Put_Rich was given, returned by Take_Rich
  bool refuse_rich = false;
  void Put(const std::string& text) override {
    unicode.reset();
    edit_.Set_Text(text);
  }
  void Put_File(Shared_File_Bytes bytes, File_Encoding encoding, const File_Survey&) override {
    const std::string file(bytes->View());
    if (encoding == File_Encoding::Win)
      Put(Disk_To_Working_Text(file));
    else
      Put_Unicode(Disk_To_Working_Text(Decode_File_Text(file, encoding)));
  }
  std::string Take() override { return edit_.text; }
  // A text put in as Unicode is kept as it is and goes out through the exact
  // conversion, as the edit area's does; the edit shows it as Windows-1251.
  std::optional<std::wstring> unicode;
  void Put_Unicode(const std::wstring& text) override {
    unicode = text;
    edit_.Set_Text(Utf16_To_Win1251(text));
  }
  std::wstring Take_Unicode() override { return unicode ? *unicode : Document_To_Control_Text(edit_.text); }
  // With piece_size set, the text goes out in pieces of that many bytes; with
  // short_pieces as well, the last piece never comes.
  size_t piece_size = 0;
  bool short_pieces = false;
  size_t pieces_taken = 0;
  bool out_of_memory = false;  // reading a piece throws
  bool Take_Pieces(const std::function<bool(Text_Piece)>& sink) override {
    if (out_of_memory) throw std::bad_alloc();
    if (unicode) {
      sink([wide = *unicode] { return Control_Text_To_Document_Exactly(wide); });
      return true;
    }
    if (!piece_size) return Document_Text::Take_Pieces(sink);
    for (size_t at = 0; at < edit_.text.size(); at += piece_size) {
      if (short_pieces && at + piece_size >= edit_.text.size()) return false;
      ++pieces_taken;
      if (!sink([piece = edit_.text.substr(at, piece_size)] { return piece; })) return true;
    }
    return true;
  }
  bool Put_Rich(const std::string& rtf) override {
    if (refuse_rich) return false;
    rich = rtf;
    edit_.Set_Text("(rich)");
    return true;
  }
  std::string Take_Rich() override { return rich; }
  // The memory the edit area can have; it needs a byte a unit.
  unsigned long long available = ~0ull;
  Memory_Need Memory_For(std::size_t units, std::size_t, std::size_t) override { return {units, available}; }

 private:
  Fake_Edit& edit_;
};

// What it shows of the document is what the document was when last shown.
class Fake_Window : public Document_Window {
 public:
  std::string caption = "Лировушка.txt", title = "Лировушка.txt";
  int resets = 0, refreshes = 0, marks_cleared = 0, history_changes = 0;
  Fake_Edit* edit = nullptr;  // emptied by Reset_Editor
  const Document* doc = nullptr;
  // It redraws the status bar's document panels as well.
  void Show_Document() override {
    caption = doc->Name;
    title = doc->Title;
    ++refreshes;
  }
  void Reset_Editor() override {
    ++resets;
    if (edit) edit->Set_Text("");
  }
  void Refresh_Status() override { ++refreshes; }
  void Clear_Conversion_Marks() override { ++marks_cleared; }
  void History_Changed() override { ++history_changes; }
};

// A disk of whole files; paths listed in `read_only` refuse writes, and a
// file being written fails once it would grow past `room` bytes.
class Fake_Disk : public Files, public File_Writer {
 public:
  std::map<std::string, std::string> files;
  std::vector<std::string> read_only;
  std::vector<std::string> written;
  size_t room = SIZE_MAX;
  std::string reason;  // what a failure is said to be
  std::string Failure_Reason() override { return reason; }
  std::vector<size_t> appends;  // the size of every write, in order
  std::optional<std::string> Read_All(const std::string& path) override {
    auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return it->second;
  }
  std::set<std::string> unreadable;  // there, but every read fails
  bool Exists(const std::string& path) override { return files.count(path) || unreadable.count(path); }
  // A file's stamp is its size and how often it was written; tests change
  // `touched` for a write of another program.
  std::map<std::string, unsigned long long> touched;
  std::optional<File_Stamp> Stamp_Of(const std::string& path) override {
    const auto it = files.find(path);
    if (it == files.end()) return std::nullopt;
    return File_Stamp{it->second.size(), touched[path]};
  }
  std::unique_ptr<File_Sink> Begin(const std::string& path) override {
    for (const auto& p : read_only)
      if (p == path) return nullptr;
    return std::make_unique<Sink>(*this, path);
  }

 private:
  class Sink : public File_Sink {
   public:
    Sink(Fake_Disk& disk, std::string path) : disk_(disk), path_(std::move(path)) {}
    bool Append(const char* bytes, size_t size) override {
      disk_.appends.push_back(size);
      if (size > disk_.room - bytes_.size()) return false;
      bytes_.append(bytes, size);
      return true;
    }
    bool Commit() override {
      disk_.files[path_] = bytes_;
      ++disk_.touched[path_];
      disk_.written.push_back(path_);
      return true;
    }

   private:
    Fake_Disk& disk_;
    std::string path_, bytes_;
  };
};

class Fake_Dialogs : public File_Dialogs {
 public:
  struct Shown {
    bool save;
    std::string folder, file_name;
  };
  std::vector<Shown> shown;
  std::vector<std::optional<std::string>> answers;  // in order; cancel when used up
  std::optional<std::string> Ask_Open(const std::string& folder) override {
    shown.push_back({false, folder, ""});
    return Next();
  }
  std::optional<std::string> Ask_Save(const std::string& folder, const std::string& name) override {
    shown.push_back({true, folder, name});
    return Next();
  }

 private:
  std::optional<std::string> Next() {
    if (answers.empty()) return std::nullopt;
    auto a = answers.front();
    answers.erase(answers.begin());
    return a;
  }
};

// The library's own name cutter, with a buffer as long as the path as the
// program gives it; `give` off makes it find no name at all.
class Fake_Name_Part : public File_Name_Part {
 public:
  bool give = true;
  std::optional<std::string> Name_Of(const std::string& path) override {
    if (!give) return std::nullopt;
    std::vector<char> buffer(path.size() + 1, '\0');
    if (!Name_File_In_Path(path.c_str(), buffer.data(), buffer.size())) return std::nullopt;
    return std::string(buffer.data());
  }
};

class Fake_Document_Prompts : public Document_Prompts {
 public:
  std::vector<Answer> answers;  // in order; Cancel when used up
  std::vector<std::string> asked, notices, information, file_errors;
  Answer Ask_Save_Changes(const std::string& text) override {
    asked.push_back(text);
    if (answers.empty()) return Answer::Cancel;
    Answer a = answers.front();
    answers.erase(answers.begin());
    return a;
  }
  // From the same answers; No when they are used up.
  Answer Ask_Overwrite(const std::string& text) override {
    const Answer a = Ask_Save_Changes(text);
    return a == Answer::Cancel ? Answer::No : a;
  }
  void Notice(const std::string& text) override { notices.push_back(text); }
  void Information(const std::string& text) override { information.push_back(text); }
  void File_Error(const std::string& text) override { file_errors.push_back(text); }
};

class Fake_Clipboard : public Clipboard {
 public:
  bool text = true;
  bool only_text = false;
  bool Holds_Text() override { return text; }
  bool Keep_Only_Text() override { return only_text = true; }
};

class Fake_Edit_Operations : public Edit_Operations {
 public:
  explicit Fake_Edit_Operations(Fake_Edit& edit) : edit_(edit) {}
  bool can_undo = false, can_redo = false;
  std::string clipboard;
  std::vector<std::string> calls;
  Selection after_undo{0, 0};  // the selection an undo or redo leaves
  bool Can_Undo() override { return can_undo; }
  bool Can_Redo() override { return can_redo; }
  void Undo() override {
    calls.push_back("undo");
    edit_.sel = after_undo;
  }
  void Redo() override {
    calls.push_back("redo");
    edit_.sel = after_undo;
  }
  void Copy() override { calls.push_back("copy"); }
  void Cut() override { calls.push_back("cut"); }
  void Paste() override {
    calls.push_back("paste");
    edit_.Replace_Selection(clipboard);
  }
  void Delete_Selection() override { calls.push_back("delete"); }
  void Select_All() override { calls.push_back("select all"); }

 private:
  Fake_Edit& edit_;
};

// A whole session over fakes: a main window with an empty untitled document.
struct Document_Fixture {
  Fake_Edit edit;
  Fake_Document_Text text{edit};
  Fake_Window window;
  Fake_Disk disk;
  Fake_Dialogs dialogs;
  Fake_Name_Part name_part;
  Fake_Document_Prompts prompts;
  Fake_Shell shell;
  Fake_Keyboard keys;
  Recent_Files history;
  std::string current_path = "C:\\Docs\\start.txt";
  uint32_t saved_layout = 0;
  bool find_next_ready = true;
  bool caret_memory = true;
  Save_Dialog_State save_dialog;
  Document doc;
  Document_Session s{edit,         text,        window, disk,    disk,         dialogs,      name_part,
                     prompts,      shell,       keys,   history, current_path, saved_layout, find_next_ready,
                     caret_memory, save_dialog, doc};

  Document_Fixture() {
    window.edit = &edit;
    window.doc = &doc;
    history.Fill();
  }
  // A document with unsaved changes under `name`.
  void Modified_Document(const std::string& name, const std::string& content = "changed") {
    doc.Name = name;
    window.Show_Document();
    edit.text = content;
    edit.modified = true;
  }
};
