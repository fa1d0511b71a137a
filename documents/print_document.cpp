#include "documents/print_document.h"

#include <algorithm>

#include "documents/print_layout.h"

std::vector<std::string> Printed_Lines(Edit_Area& edit) {
  const std::string text = edit.Text();
  int32_t count = edit.Line_Count();
  if (count > 0 && edit.Line_Index(count - 1) >= int32_t(text.size()) && edit.Line_Length(count - 1) == 0)
    --count;
  std::vector<std::string> lines;
  lines.reserve(size_t(std::max(count, 0)));
  for (int32_t i = 0; i < count; ++i) {
    const int32_t start = edit.Line_Index(i);
    if (start < 0 || start > int32_t(text.size())) break;
    int32_t length = std::min(edit.Line_Length(i), kPrintedLineLimit);
    std::string line = text.substr(size_t(start), size_t(std::max(length, 0)));
    // A display line's own break is not printed as text.
    while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

bool Print_Lines(const std::vector<std::string>& lines, Print_Device& device) {
  if (!device.Start_Document()) return false;
  Line_Printer printer(device);
  for (const std::string& line : lines) {
    printer.Write(line);
    printer.End_Line();
    if (!printer.Ok()) break;
  }
  if (printer.Ok() && device.End_Document()) return true;
  device.Abort_Document();
  return false;
}
