#include "documents/text_file_format.h"

// Both directions write through a pointer into a buffer sized for the most
// they can produce: documents run to tens of megabytes.
std::string Disk_To_Working_Text(const std::string& bytes) {
  std::string text(bytes.size(), '\0');
  const char* in = bytes.data();
  const char* const end = in + bytes.size();
  char* out = text.data();
  while (in < end) {
    const char c = *in++;
    if (c == '\n') {
      *out++ = '\r';
    } else {
      *out++ = c;
      if (c == '\r' && in < end && *in == '\n') ++in;
    }
  }
  text.resize(size_t(out - text.data()));
  return text;
}

std::string Working_Text_To_Disk(const std::string& text) { return Disk_Line_Ends().Convert(text); }

std::string Disk_Line_Ends::Convert(const std::string& piece) {
  size_t breaks = 0;
  for (const char c : piece) breaks += (c == '\r') | (c == '\n');
  std::string bytes(piece.size() + breaks, '\0');
  const char* in = piece.data();
  const char* const end = in + piece.size();
  if (after_cr_ && in < end && *in == '\n') ++in;
  if (!piece.empty()) after_cr_ = piece.back() == '\r';
  char* out = bytes.data();
  while (in < end) {
    const char c = *in++;
    if (c == '\r' || c == '\n') {
      *out++ = '\r';
      *out++ = '\n';
      if (c == '\r' && in < end && *in == '\n') ++in;
    } else {
      *out++ = c;
    }
  }
  bytes.resize(size_t(out - bytes.data()));
  return bytes;
}
