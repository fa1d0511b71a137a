#include "common/line_ends.h"

Line_End Prevailing_Line_End(const Line_End_Count& count) {
  if (count.Cr_Lf >= count.Lf && count.Cr_Lf >= count.Cr) return Line_End::Cr_Lf;
  return count.Lf >= count.Cr ? Line_End::Lf : Line_End::Cr;
}

bool Mixed_Line_Ends(const Line_End_Count& count) {
  return (count.Cr_Lf != 0) + (count.Lf != 0) + (count.Cr != 0) > 1;
}

const char* Line_End_Name(Line_End end) {
  switch (end) {
    case Line_End::Lf:
      return "LF";
    case Line_End::Cr:
      return "CR";
    case Line_End::Cr_Lf:
      break;
  }
  return "CR LF";
}

namespace {

template <typename Char>
void Count_Into(Line_End_Counter& counter, const Char* text, std::size_t size) {
  std::size_t cr = 0, lf = 0, cr_lf = 0;
  bool before = counter.After_Cr();
  for (std::size_t i = 0; i < size; ++i) {
    const Char c = text[i];
    cr += c == Char('\r');
    lf += c == Char('\n');
    cr_lf += c == Char('\n') && before;
    before = c == Char('\r');
  }
  counter.Add_Counted(cr, lf, cr_lf, before);
}

}  // namespace

void Line_End_Counter::Add(const char* bytes, std::size_t size) { Count_Into(*this, bytes, size); }
void Line_End_Counter::Add(const wchar_t* units, std::size_t size) { Count_Into(*this, units, size); }

void Line_End_Counter::Add_Counted(std::size_t cr, std::size_t lf, std::size_t cr_lf, bool ends_with_cr) {
  cr_ += cr;
  lf_ += lf;
  cr_lf_ += cr_lf;
  after_cr_ = ends_with_cr;
}

// Every CR is a line end of its own but those an LF follows; every LF is
// one but those that follow a CR.
Line_End_Count Line_End_Counter::Count() const {
  Line_End_Count count;
  count.Cr_Lf = cr_lf_;
  count.Lf = lf_ - cr_lf_;
  count.Cr = cr_ - cr_lf_;
  return count;
}

namespace {

template <typename Text>
Text To_Working(const Text& bytes) {
  Text text(bytes.size(), typename Text::value_type(0));
  bool after_cr = false;
  const auto* end = Fold_Line_Ends(bytes.data(), bytes.data() + bytes.size(), text.data(), after_cr);
  text.resize(std::size_t(end - text.data()));
  return text;
}

template <typename Text>
Text To_Disk(const Text& piece, Line_End kind, bool& after_cr) {
  using Char = typename Text::value_type;
  const bool two = kind == Line_End::Cr_Lf;
  const Char one = kind == Line_End::Lf ? Char('\n') : Char('\r');
  std::size_t breaks = 0;
  if (two)
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
      if (two) {
        *out++ = Char('\r');
        *out++ = Char('\n');
      } else {
        *out++ = one;
      }
      if (c == Char('\r') && in < end && *in == Char('\n')) ++in;
    } else {
      *out++ = c;
    }
  }
  bytes.resize(std::size_t(out - bytes.data()));
  return bytes;
}

}  // namespace

std::string Disk_Line_Ends::Convert(const std::string& piece) { return To_Disk(piece, end_, after_cr_); }
std::wstring Disk_Line_Ends::Convert(const std::wstring& piece) { return To_Disk(piece, end_, after_cr_); }

std::string Disk_To_Working_Text(const std::string& bytes) { return To_Working(bytes); }
std::wstring Disk_To_Working_Text(const std::wstring& text) { return To_Working(text); }

std::string Working_Text_To_Disk(const std::string& text, Line_End end) {
  return Disk_Line_Ends(end).Convert(text);
}
std::wstring Working_Text_To_Disk(const std::wstring& text, Line_End end) {
  return Disk_Line_Ends(end).Convert(text);
}
