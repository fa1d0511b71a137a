#pragma once
// Stand-ins for the seams of the text command frames.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "common/control_text.h"
#include "fake_platform.h"
#include "platform/clipboard_writer.h"
#include "text/command_frame.h"

// Fake_Edit with an undo history of whole texts, replacements without undo
// records, and display lines that may differ from the text's lines.
class Fake_Text_Edit : public Fake_Edit, public Edit_Area_Extras {
 public:
  std::vector<std::string> undo;         // texts before each recorded edit
  std::vector<Selection> charset_given;  // selections given the font's charset
  int unrecorded_replacements = 0;
  bool word_wrap = false;
  std::vector<int32_t> display_starts;  // with word_wrap: where each display line starts

  void Replace_Selection(const std::string& t) override {
    undo.push_back(text);
    Fake_Edit::Replace_Selection(t);
  }
  // The fake holds Windows-1251 text only, as the control would show it.
  Kept_Text Take_Selection() override {
    return Keep_Outside_Win1251(Document_To_Control_Text(Selected_Text()));
  }
  Kept_Text Take_Text() override { return Keep_Outside_Win1251(Document_To_Control_Text(text)); }
  void Replace_Selection_Step(const std::wstring& t) override {
    Replace_Selection(Control_Text_To_Document(t));
  }
  void Replace_Selection_Unrecorded(const std::string& t) override {
    ++unrecorded_replacements;
    Fake_Edit::Replace_Selection(t);
  }
  void Selection_Charset_To_Font() override { charset_given.push_back(sel); }
  void Empty_Undo() override { undo.clear(); }
  bool Word_Wrap() override { return word_wrap; }
  std::vector<size_t> Display_Line_Starts(const std::string&, const Position_Callback& on_position) override {
    Report_Position(on_position, int64_t(text.size()));
    return Line_Starts_Of(*this);
  }
  int32_t Line_Count() override {
    return word_wrap ? int32_t(display_starts.size()) : Fake_Edit::Line_Count();
  }
  int32_t Line_Index(int32_t line) override {
    if (!word_wrap) return Fake_Edit::Line_Index(line);
    return line < int32_t(display_starts.size()) ? display_starts[size_t(line)] : -1;
  }
  bool Undo() {
    if (undo.empty()) return false;
    text = undo.back();
    undo.pop_back();
    return true;
  }
};

class Fake_Command_Window : public Command_Window {
 public:
  bool enabled = true;
  bool right_aligned = false;
  int pumps = 0;
  int pumps_while_enabled = 0;
  int stop_at_pump = 0;  // the user presses Esc before this pump (1, 2, ...); 0: never
  std::vector<std::string> notices;
  std::vector<bool> enabled_at_notice;
  std::function<void()> on_pump;  // what arrives while messages are processed
  void Enable_Input(bool on) override { enabled = on; }
  void Process_Messages() override {
    ++pumps;
    if (enabled) ++pumps_while_enabled;
    if (on_pump) on_pump();
  }
  bool Stop_Asked() override { return stop_at_pump > 0 && pumps >= stop_at_pump; }
  void Align_Mode_Panel_Right(bool right) override { right_aligned = right; }
  void Notice(const std::string& text) override {
    notices.push_back(text);
    enabled_at_notice.push_back(enabled);
  }
};

class Fake_Clipboard_Writer : public Clipboard_Writer {
 public:
  std::optional<std::string> held;
  bool refuses = false;  // held open by another program
  int writes = 0;
  bool Put_Text(const std::string& text) override {
    ++writes;
    if (refuses) return false;
    held = text;
    return true;
  }
};

// All the seams of one command, wired into a host.
struct Text_Frame_Fixture {
  Fake_Text_Edit edit;
  Fake_Keyboard keyboard;
  Fake_Panels panels;
  Fake_Command_Window window;
  Fake_Clipboard_Writer clipboard;
  Fake_Prompts prompts;
  std::vector<int> marks;
  Text_Command_Host host{edit,   edit,      keyboard, panels,
                         window, clipboard, prompts,  [this](int menu_id) { marks.push_back(menu_id); }};

  Text_Frame_Fixture() { panels.panels[2] = " Вставка"; }
  void Select(int32_t start, int32_t end) { edit.sel = {start, end}; }
};
