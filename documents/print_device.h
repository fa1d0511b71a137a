#pragma once
// The printer as the line output sees it: a page of a fixed printable size
// in device units, text measured and drawn in the current font.
#include <cstdint>
#include <string>

class Print_Device {
 public:
  virtual ~Print_Device() = default;
  // The job: its first page starts with it; ending it ends the last page.
  virtual bool Start_Document() = 0;
  virtual bool End_Document() = 0;
  // After a failure: the job is dropped, not finished.
  virtual void Abort_Document() = 0;
  virtual int32_t Page_Width() = 0;
  virtual int32_t Page_Height() = 0;
  // Width and height of a Windows-1251 text in the current font.
  virtual int32_t Text_Width(const std::string& text) = 0;
  virtual int32_t Text_Height(const std::string& text) = 0;
  virtual int32_t Average_Char_Width() = 0;
  virtual int32_t Char_Height() = 0;
  // Device units to the inch, down the page.
  virtual int32_t Dots_Per_Inch() = 0;
  // False when the printer failed; the job is not continued after that.
  virtual bool Draw(int32_t x, int32_t y, const std::string& text) = 0;
  virtual bool New_Page() = 0;
};
