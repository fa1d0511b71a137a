#pragma once
// Stand-ins for the view and printing seams.
#include <string>
#include <vector>

#include "documents/print_device.h"
#include "documents/view_area.h"
#include "documents/view_time_date.h"

// An edit area's formatting: one format for the whole text, as in plain-text mode.
class Fake_View : public View_Area {
 public:
  int32_t text_size = 12;
  Text_Font_Spec text_font;     // what the last whole-text font change set
  Text_Font_Spec default_font;  // format of new text
  int default_changes = 0, selection_changes = 0;
  bool wrap = true;
  int32_t Selection_Font_Size() override { return text_size; }
  void Set_Selection_Font_Size(int32_t points) override {
    text_size = points;
    ++selection_changes;
  }
  void Set_Selection_Font(const Text_Font_Spec& font) override {
    text_font = font;
    text_size = font.Size;
    ++selection_changes;
  }
  void Set_Default_Font(const Text_Font_Spec& font) override {
    default_font = font;
    ++default_changes;
  }
  void Set_Word_Wrap(bool on) override { wrap = on; }
};

class Fake_Font_Chooser : public Font_Chooser {
 public:
  std::optional<Text_Font_Spec> answer;  // nothing: the user cancels
  std::vector<Text_Font_Spec> shown;
  std::optional<Text_Font_Spec> Choose(const Text_Font_Spec& current) override {
    shown.push_back(current);
    return answer;
  }
};

class Fixed_Clock : public Clock_Text {
 public:
  Fixed_Clock(std::string time, std::string date) : time_(std::move(time)), date_(std::move(date)) {}
  std::string Long_Time() override { return time_; }
  std::string Short_Date() override { return date_; }

 private:
  std::string time_, date_;
};

// A page of a monospaced font: every character `char_width` wide and
// `char_height` high; records the job, the pieces and the page breaks.
class Fake_Printer : public Print_Device {
 public:
  struct Piece {
    int page;
    int32_t x, y;
    std::string text;
  };
  int32_t page_width = 100, page_height = 200, char_width = 10, char_height = 20, dpi = 96;
  int fail_on_draw = -1;            // index of the draw that fails
  std::vector<std::string> events;  // "start", "page", "end", "abort"
  std::vector<Piece> pieces;
  int page = 1;
  int measures = 0;

  bool Start_Document() override {
    events.push_back("start");
    return true;
  }
  bool End_Document() override {
    events.push_back("end");
    return true;
  }
  void Abort_Document() override { events.push_back("abort"); }
  int32_t Page_Width() override { return page_width; }
  int32_t Page_Height() override { return page_height; }
  int32_t Text_Width(const std::string& text) override {
    ++measures;
    int32_t width = 0;
    for (char c : text) width += c == 'W' ? 3 * char_width : char_width;
    return width;
  }
  int32_t Text_Height(const std::string& text) override { return text.empty() ? 0 : char_height; }
  int32_t Average_Char_Width() override { return char_width; }
  int32_t Char_Height() override { return char_height; }
  int32_t Dots_Per_Inch() override { return dpi; }
  bool Draw(int32_t x, int32_t y, const std::string& text) override {
    if (int(pieces.size()) == fail_on_draw) return false;
    pieces.push_back({page, x, y, text});
    return true;
  }
  bool New_Page() override {
    events.push_back("page");
    ++page;
    return true;
  }
};
