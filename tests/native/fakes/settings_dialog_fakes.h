#pragma once
// Stand-ins for the main window and the slider's label as the settings
// dialog sees them.
#include <string>
#include <vector>

#include "settings/settings_form_host.h"
#include "settings/layout_mode_label.h"

class Fake_Settings_Form_Host : public Settings_Form_Host {
 public:
  bool status_visible = true;
  std::vector<bool> status_changes;
  std::vector<std::string> notices;
  Program_Location target{"C:\\Лиро\\Lirovant.exe", "C:\\WINDOWS"};

  bool Status_Bar_Visible() override { return status_visible; }
  void Set_Status_Bar_Visible(bool visible) override {
    status_visible = visible;
    status_changes.push_back(visible);
  }
  void Notice(const std::string& text) override { notices.push_back(text); }
  Program_Location Binding_Target() override { return target; }
};

// Records every step as a word, so a test can check the order of the blink.
class Fake_Layout_Label : public Layout_Label {
 public:
  std::string text = "всегда по умолчанию";
  bool visible = true;
  bool highlighted = false;
  std::vector<std::string> steps;
  // Runs once from Process_Messages, as a message handled during the blink.
  std::vector<void (*)(Fake_Layout_Label&)> pending;
  bool* blinking = nullptr;

  void Set_Text(const std::string& t) override {
    text = t;
    steps.push_back("text");
  }
  void Set_Shadow_Highlighted(bool h) override {
    highlighted = h;
    steps.push_back(h ? "highlight" : "face");
  }
  void Toggle_Visible() override {
    visible = !visible;
    steps.push_back(visible ? "show" : "hide");
  }
  void Process_Messages() override {
    steps.push_back("messages");
    auto run = pending;
    pending.clear();
    for (auto handler : run) handler(*this);
  }
  void Delay(int32_t ms) override { steps.push_back("delay " + std::to_string(ms)); }
};
