#include "documents/text_file_format.h"

// Both directions write through a pointer into a buffer sized for the most
// they can produce: documents run to tens of megabytes.
namespace {

template <typename Text>
Text To_Working(const Text& bytes) {
  using Char = typename Text::value_type;
  Text text(bytes.size(), Char(0));
  const Char* in = bytes.data();
  const Char* const end = in + bytes.size();
  Char* out = text.data();
  while (in < end) {
    const Char c = *in++;
    if (c == Char('\n')) {
      *out++ = Char('\r');
    } else {
      *out++ = c;
      if (c == Char('\r') && in < end && *in == Char('\n')) ++in;
    }
  }
  text.resize(size_t(out - text.data()));
  return text;
}

template <typename Text>
Text To_Disk(const Text& piece, bool& after_cr) {
  using Char = typename Text::value_type;
  size_t breaks = 0;
  for (const Char c : piece) breaks += (c == Char('\r')) | (c == Char('\n'));
  Text bytes(piece.size() + breaks, Char(0));
  const Char* in = piece.data();
  const Char* const end = in + piece.size();
  if (after_cr && in < end && *in == Char('\n')) ++in;
  if (!piece.empty()) after_cr = piece.back() == Char('\r');
  Char* out = bytes.data();
  while (in < end) {
    const Char c = *in++;
    if (c == Char('\r') || c == Char('\n')) {
      *out++ = Char('\r');
      *out++ = Char('\n');
      if (c == Char('\r') && in < end && *in == Char('\n')) ++in;
    } else {
      *out++ = c;
    }
  }
  bytes.resize(size_t(out - bytes.data()));
  return bytes;
}

}  // namespace

std::string Disk_To_Working_Text(const std::string& bytes) { return To_Working(bytes); }
std::string Working_Text_To_Disk(const std::string& text) { return Disk_Line_Ends().Convert(text); }

std::wstring Disk_To_Working_Text(const std::wstring& text) { return To_Working(text); }

std::wstring Working_Text_To_Disk(const std::wstring& text) {
  bool after_cr = false;
  return To_Disk(text, after_cr);
}

std::string Disk_Line_Ends::Convert(const std::string& piece) { return To_Disk(piece, after_cr_); }
