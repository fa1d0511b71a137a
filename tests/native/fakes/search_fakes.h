#pragma once
// Stand-ins for the search seams over a Fake_Edit.
#include <string>
#include <vector>

#include "fake_platform.h"
#include "platform/edit_search.h"
#include "platform/search_ui.h"

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
  std::vector<bool> enabled_log;  // every Enable_Main_Window call
  int beeps = 0, pumps = 0;
  bool window_enabled = true;
  bool enabled_when_asked = true;  // the window's state at the last question

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
  void Enable_Main_Window(bool on) override {
    enabled_log.push_back(on);
    window_enabled = on;
  }
  void Process_Messages() override { ++pumps; }
};
