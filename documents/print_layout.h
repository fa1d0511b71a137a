#pragma once
// Plain line-by-line text output to a printer: the drawing position starts
// at the top-left corner of the printable area and moves as text is written.
#include <string>

#include "documents/print_device.h"

class Line_Printer {
 public:
  explicit Line_Printer(Print_Device& device) : device_(device) {}

  // Draws the text piece by piece; tab, form feed, CR and LF act on the
  // position instead of being drawn.
  void Write(const std::string& text);
  // Sends CR LF.
  void End_Line() { Write("\r\n"); }
  bool Ok() const { return ok_; }

  int32_t X() const { return x_; }
  int32_t Y() const { return y_; }

 private:
  void Draw_Piece(const char* text, size_t length);
  size_t Fitting_Length(const char* text, size_t length);
  void Tab();
  void New_Line();
  void New_Page();

  Print_Device& device_;
  int32_t x_ = 0;
  int32_t y_ = 0;
  int32_t line_height_ = 0;
  bool ok_ = true;
};
