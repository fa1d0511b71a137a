#include "common/clipboard_text.h"

std::string To_Clipboard_Line_Breaks(const std::string& text) {
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\r' || c == '\n') {
      out += "\r\n";
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

std::string From_Clipboard_Line_Breaks(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '\n') {
      out += '\r';
    } else {
      out += c;
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    }
  }
  return out;
}
