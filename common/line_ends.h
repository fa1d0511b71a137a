#pragma once
// Line ends: a file's lines end in CR LF, LF or CR, mixed or not; the working
// text of the edit area ends every line with a single CR. A file comes in
// with any of them made CR, and goes out with the kind its document keeps.
// These are the only rules for it: the whole-file and the piece-by-piece
// paths in and out all fold and unfold through here.
#include <cstddef>
#include <string>

enum class Line_End { Cr_Lf, Lf, Cr };

// How many of each kind a file holds.
struct Line_End_Count {
  std::size_t Cr_Lf = 0, Lf = 0, Cr = 0;
};

// The kind a file is written back with: the one it holds most of (CR LF, then
// LF, then CR on a tie); a file without any line end takes CR LF.
Line_End Prevailing_Line_End(const Line_End_Count& count);
// More than one kind: the file will not come back byte for byte.
bool Mixed_Line_Ends(const Line_End_Count& count);
// "CR LF", "LF", "CR".
const char* Line_End_Name(Line_End end);

// Counts a file's line ends as its bytes go by, one piece after another: a
// CR that ends one piece and the LF that opens the next are one CR LF.
class Line_End_Counter {
 public:
  void Add(const char* bytes, std::size_t size);
  void Add(const wchar_t* units, std::size_t size);
  // For a caller that counts sixteen bytes a step itself: the CRs, the LFs
  // and the LFs right behind a CR (`After_Cr` tells of the byte before).
  void Add_Counted(std::size_t cr, std::size_t lf, std::size_t cr_lf, bool ends_with_cr);
  bool After_Cr() const { return after_cr_; }
  Line_End_Count Count() const;

 private:
  std::size_t cr_ = 0, lf_ = 0, cr_lf_ = 0;
  bool after_cr_ = false;
};

// Makes every line end CR, from `in` to `end` into `out` (which may be `in`
// itself: it never writes ahead of what it reads), each other character
// through `map` (an 8-bit page's chart, say). `after_cr` carries a CR that
// ended the piece before, so that its LF is not a line of its own. Returns
// the end of what was written.
template <typename In, typename Out, typename Map>
Out* Fold_Line_Ends(const In* in, const In* end, Out* out, bool& after_cr, Map map) {
  if (in == end) return out;
  const bool ends_with_cr = end[-1] == In('\r');
  if (after_cr && *in == In('\n')) ++in;
  while (in < end) {
    const In c = *in++;
    if (c == In('\n')) {
      *out++ = Out('\r');
    } else if (c == In('\r')) {
      *out++ = Out('\r');
      if (in < end && *in == In('\n')) ++in;
    } else {
      *out++ = map(c);
    }
  }
  after_cr = ends_with_cr;
  return out;
}

template <typename Char>
Char* Fold_Line_Ends(const Char* in, const Char* end, Char* out, bool& after_cr) {
  return Fold_Line_Ends(in, end, out, after_cr, [](Char c) { return c; });
}

// Working text to disk in pieces: every CR, LF or CR LF of the text becomes
// the document's line end; a CR LF split between two pieces is still one.
class Disk_Line_Ends {
 public:
  explicit Disk_Line_Ends(Line_End end = Line_End::Cr_Lf) : end_(end) {}
  std::string Convert(const std::string& piece);
  std::wstring Convert(const std::wstring& piece);

 private:
  Line_End end_;
  bool after_cr_ = false;
};

std::string Disk_To_Working_Text(const std::string& bytes);
std::wstring Disk_To_Working_Text(const std::wstring& text);
std::string Working_Text_To_Disk(const std::string& text, Line_End end = Line_End::Cr_Lf);
std::wstring Working_Text_To_Disk(const std::wstring& text, Line_End end = Line_End::Cr_Lf);
