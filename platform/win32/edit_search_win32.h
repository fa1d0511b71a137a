#pragma once
// The search side of the RichEdit control: forward find over its text,
// plain replacement, ranges, focus and scrolling.
#include <windows.h>

#include "platform/edit_search.h"

class Rich_Edit_Search : public Edit_Search {
 public:
  explicit Rich_Edit_Search(HWND control) : hwnd_(control) {}
  int32_t Find(const std::string& what, int32_t start, int32_t end, Find_Options options) override;
  void Replace_Selection_Plain(const std::string& text) override;
  std::string Text_Range(int32_t start, int32_t end) override;
  void Focus() override;
  void Scroll_To_Selection() override;

 private:
  HWND hwnd_;
};
