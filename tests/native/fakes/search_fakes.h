#pragma once
// Stand-ins for the search seams over a Fake_Edit.
#include <string>
#include <vector>

#include "fake_platform.h"
#include "platform/edit_search.h"
#include "platform/search_ui.h"
#include "text/letter_case.h"

// The control's find over the fake's string. Case folding covers the whole
// code page. A whole word here must begin and end with a letter or digit and
// have none next to it, so a run of signs is never a whole word.
class Fake_Edit_Search : public Edit_Search {
 public:
  explicit Fake_Edit_Search(Fake_Edit& edit) : edit_(edit) {}
  int finds = 0, focus_calls = 0, scrolls = 0;
  std::vector<std::string> plain_replacements;

  int32_t Find(const std::string& what, int32_t start, int32_t end, Find_Options options) override {
    ++finds;
    const std::string& text = edit_.text;
    if (end > int32_t(text.size())) end = int32_t(text.size());
    for (int32_t at = start; at >= 0 && at + int32_t(what.size()) <= end; ++at) {
      if (!Matches_At(text, what, at, options.Match_Case)) continue;
      if (options.Whole_Word && !Whole_Word_At(text, at, int32_t(what.size()))) continue;
      return at;
    }
    return -1;
  }
  void Replace_Selection_Plain(const std::string& t) override {
    plain_replacements.push_back(t);
    edit_.Replace_Selection(t);
  }
  std::string Text_Range(int32_t start, int32_t end) override {
    if (start >= int32_t(edit_.text.size()) || end <= start) return {};
    return edit_.text.substr(size_t(start), size_t(end - start));
  }
  void Focus() override { ++focus_calls; }
  void Scroll_To_Selection() override { ++scrolls; }

  static bool Word_Char(char c) {
    const auto u = static_cast<unsigned char>(c);
    return (u >= '0' && u <= '9') || (u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z') || u >= 0xC0 ||
           u == 0xA8 || u == 0xB8;
  }

 private:
  static bool Matches_At(const std::string& text, const std::string& what, int32_t at, bool match_case) {
    for (size_t i = 0; i < what.size(); ++i) {
      auto a = static_cast<unsigned char>(text[size_t(at) + i]), b = static_cast<unsigned char>(what[i]);
      if (!match_case) a = Lower_Case_Table[a], b = Lower_Case_Table[b];
      if (a != b) return false;
    }
    return true;
  }
  static bool Whole_Word_At(const std::string& text, int32_t at, int32_t length) {
    if (length == 0 || !Word_Char(text[size_t(at)]) || !Word_Char(text[size_t(at + length - 1)]))
      return false;
    if (at > 0 && Word_Char(text[size_t(at - 1)])) return false;
    return size_t(at + length) >= text.size() || !Word_Char(text[size_t(at + length)]);
  }
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
