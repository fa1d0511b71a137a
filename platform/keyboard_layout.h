#pragma once
// Layout names and handles, and the guard that text commands put around their
// work: record the layout, switch to Russian, and afterwards come back only to
// English or Russian.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/keyboard.h"
#include "platform/platform_texts.h"

constexpr const char* kRussianLayout = "00000419";
constexpr const char* kEnglishLayout = "00000409";
constexpr const char* kGermanLayout = "00000407";

// The layout start-up activates in modes 1 to 4 (`stored` is Size/Raskladka).
std::optional<std::string> Startup_Layout_Name(int32_t mode, const std::string& stored);
// Layout_Mode_Label, the slider's label for each mode, is in platform/platform_texts.h.
// What close records for the current layout: German, English or Russian only.
std::optional<std::string> Layout_Name_To_Record(uint32_t handle);

uint32_t Saved_Layout_Record(Keyboard& keyboard);  // record and switch to Russian
void Restore_Layout(Keyboard& keyboard, uint32_t layout);

// Record and switch on construction, restore on every way out of the scope.
class Layout_Guard {
 public:
  explicit Layout_Guard(Keyboard& keyboard, bool switch_to_russian = true);
  ~Layout_Guard() { Restore_Layout(keyboard_, saved_); }
  Layout_Guard(const Layout_Guard&) = delete;
  Layout_Guard& operator=(const Layout_Guard&) = delete;
  uint32_t Saved() const { return saved_; }

 private:
  Keyboard& keyboard_;
  uint32_t saved_;
};
