#pragma once
// Small in-memory stand-ins for the platform seams.
#include <map>
#include <set>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "common/profile.h"
#include "platform/edit_area.h"
#include "platform/files.h"
#include "platform/keyboard.h"
#include "platform/prompts.h"
#include "platform/shell.h"
#include "platform/sound.h"
#include "platform/status_panels.h"

class Fake_Prompts : public Prompts {
 public:
  std::vector<Answer> answers;  // given in order; Yes when used up
  std::vector<std::string> asked, errors;
  int beeps = 0;
  Answer Ask_Yes_No(const std::string& text) override { return Next(text); }
  Answer Ask_Yes_No_Cancel(const std::string& text) override { return Next(text); }
  void Error(const std::string& text) override { errors.push_back(text); }
  void Beep() override { ++beeps; }

 private:
  Answer Next(const std::string& text) {
    asked.push_back(text);
    if (answers.empty()) return Answer::Yes;
    Answer a = answers.front();
    answers.erase(answers.begin());
    return a;
  }
};

class Fake_Files : public Files {
 public:
  std::map<std::string, std::string> contents;
  std::optional<std::string> Read_All(const std::string& path) override {
    auto it = contents.find(path);
    if (it == contents.end()) return std::nullopt;
    return it->second;
  }
  std::set<std::string> unreadable;  // there, but every read fails
  bool Exists(const std::string& path) override { return contents.count(path) || unreadable.count(path); }
};

class Fake_Shell : public Shell {
 public:
  std::vector<std::string> opened, recent;
  void Open(const std::string& target) override { opened.push_back(target); }
  void Add_To_Recent_Documents(const std::string& path) override { recent.push_back(path); }
};

class Fake_Sound : public Sound_Player {
 public:
  std::vector<std::pair<std::string, unsigned>> played;
  void Play(const std::string& name, unsigned flags) override { played.emplace_back(name, flags); }
};

class Fake_Keyboard : public Keyboard {
 public:
  uint32_t current = 0x04090409u;
  std::vector<std::string> activated;
  uint32_t Current_Layout() override { return current; }
  void Activate_Layout(const std::string& name) override {
    activated.push_back(name);
    current = name == "00000419" ? 0x04190419u : name == "00000409" ? 0x04090409u : 0x04070407u;
  }
};

class Fake_Panels : public Status_Panels {
 public:
  std::string panels[5];
  std::string Text(int panel) override { return panels[panel]; }
  void Set_Text(int panel, const std::string& text) override { panels[panel] = text; }
};

// A profile kept in memory, with a switch that makes writes fail.
class Memory_Profile : public Profile {
 public:
  std::vector<std::pair<std::string, std::string>> writes;  // "Section/Key", value
  std::map<std::string, std::string> values;
  int fail_after = -1;  // writes allowed before the store refuses
  const std::string& Path() const override { return path_; }
  std::optional<std::string> Read(const std::string& section, const std::string& key) override {
    auto it = values.find(section + "/" + key);
    if (it == values.end()) return std::nullopt;
    return it->second;
  }
  bool Write(const std::string& section, const std::string& key, const std::string& value) override {
    if (fail_after == 0) return false;
    if (fail_after > 0) --fail_after;
    writes.emplace_back(section + "/" + key, value);
    values[section + "/" + key] = value;
    return true;
  }

 private:
  std::string path_ = "C:\\Prog\\Lirovant.ini";
};

// An edit area over a plain string whose lines are its paragraphs.
class Fake_Edit : public Edit_Area {
 public:
  std::string text;
  Selection sel;
  bool modified = false;
  int32_t undo_limit = 50;
  std::string Text() override { return text; }
  void Set_Text(const std::string& t) override {
    text = t;
    sel = {};
  }
  int32_t Text_Length() override { return int32_t(text.size()); }
  Selection Get_Selection() override { return sel; }
  void Set_Selection(int32_t s, int32_t e) override { sel = {s, e}; }
  std::string Selected_Text() override { return text.substr(sel.Start, sel.End - sel.Start); }
  void Replace_Selection(const std::string& t) override {
    text.replace(sel.Start, sel.End - sel.Start, t);
    sel.Start = sel.End = sel.Start + int32_t(t.size());
    modified = true;
  }
  int32_t Line_Count() override {
    int32_t n = 1;
    for (char c : text) n += c == '\r';
    return n;
  }
  int32_t Line_From_Char(int32_t offset) override {
    int32_t line = 0;
    for (int32_t i = 0; i < offset && i < int32_t(text.size()); ++i) line += text[i] == '\r';
    return line;
  }
  int32_t Line_Index(int32_t line) override {
    int32_t pos = 0;
    for (; line > 0; --line) pos = int32_t(text.find('\r', pos)) + 1;
    return pos;
  }
  int32_t Line_Length(int32_t line) override {
    const int32_t start = Line_Index(line);
    const auto end = text.find('\r', start);
    return int32_t((end == std::string::npos ? text.size() : end) - start);
  }
  bool Modified() override { return modified; }
  void Set_Modified(bool m) override { modified = m; }
  int32_t Undo_Limit() override { return undo_limit; }
  void Set_Undo_Limit(int32_t limit) override { undo_limit = limit; }
};
