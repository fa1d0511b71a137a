#pragma once
// Stand-ins for the search seams over a Fake_Edit.
#include <functional>
#include <string>
#include <vector>

#include "common/control_text.h"

#include "fake_platform.h"
#include "platform/edit_search.h"
#include "platform/search_ui.h"
#include "platform/whole_text.h"

// The control's find over the fake's string, through the same search the
// program runs over the real control, so both follow one matching rule.
class Fake_Edit_Search : public Edit_Search {
 public:
  explicit Fake_Edit_Search(Fake_Edit& edit) : edit_(edit) {}
  int finds = 0, ranges_read = 0, focus_calls = 0, scrolls = 0;
  std::vector<std::string> plain_replacements;

  int32_t Find(const std::string& what, int32_t start, int32_t end, Find_Options options) override {
    ++finds;
    return Find_Forward([this](int32_t from, int32_t to) { return Text_Range(from, to); }, what, start, end,
                        options);
  }
  void Replace_Selection_Plain(const std::string& t) override {
    plain_replacements.push_back(t);
    edit_.Replace_Selection(t);
  }
  std::string Text_Range(int32_t start, int32_t end) override {
    ++ranges_read;
    if (start >= int32_t(edit_.text.size()) || end <= start) return {};
    return edit_.text.substr(size_t(start), size_t(end - start));
  }
  void Focus() override { ++focus_calls; }
  void Scroll_To_Selection() override { ++scrolls; }

 private:
  Fake_Edit& edit_;
};

class Fake_Search_Ui : public Search_Ui {
 public:
  std::vector<bool> answers;  // OK (true) or Cancel, in order; Cancel when used up
  std::vector<std::string> asked, notices, errors;
  std::vector<bool> enabled_log;  // every Enable_Input call
  int beeps = 0, pumps = 0;
  bool window_enabled = true;
  bool enabled_when_asked = true;  // the window's state at the last question
  int stop_at_pump = 0;            // the user presses Esc before this pump (1, 2, ...); 0: never
  std::function<void()> on_pump;   // what arrives while messages are processed

  bool Ok_Cancel(const std::string& text) override {
    asked.push_back(text);
    enabled_when_asked = window_enabled;
    if (answers.empty()) return false;
    const bool ok = answers.front();
    answers.erase(answers.begin());
    return ok;
  }
  void Notice(const std::string& text) override { notices.push_back(text); }
  void Error(const std::string& text) override { errors.push_back(text); }
  void Beep() override { ++beeps; }
  void Enable_Input(bool on) override {
    enabled_log.push_back(on);
    window_enabled = on;
  }
  void Process_Messages() override {
    ++pumps;
    if (on_pump) on_pump();
  }
  bool Stop_Asked() override { return stop_at_pump > 0 && pumps >= stop_at_pump; }
  void Align_Mode_Panel_Right(bool) override {}
};

// The fake edit's text as a whole: each replacement is a step of an undo
// history of whole texts.
class Fake_Whole_Text : public Whole_Text_Edits {
 public:
  explicit Fake_Whole_Text(Fake_Edit& edit) : edit_(edit) {}
  std::vector<std::string> undo;  // the texts before each undoable replacement
  int takes = 0;

  std::wstring Whole_Text() override {
    ++takes;
    return Document_To_Control_Text(edit_.text);
  }
  bool Whole_Text_Selected() override {
    return !edit_.text.empty() && edit_.sel.Start == 0 && edit_.sel.End >= int32_t(edit_.text.size());
  }
  void Replace_Whole_Text(const std::wstring& text, bool undoable) override {
    if (undoable) undo.push_back(edit_.text);
    edit_.text = Control_Text_To_Document(text);
    edit_.sel.Start = edit_.sel.End = int32_t(edit_.text.size());
    edit_.modified = true;
  }
  void Forget_History() override { undo.clear(); }

 private:
  Fake_Edit& edit_;
};
