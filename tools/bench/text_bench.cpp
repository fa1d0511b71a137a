// Throughput of the text core on a large Russian text, with the system's
// iconv converting the same input and memcpy copying it in the same run.
//   text_bench [megabytes [part of a job's name]]   (64 MB and every job by default)
//
// Every timed run starts with the caches emptied, as a command on a document
// that was just read does. The linearity figure divides the time of one pass
// over 16 MB by the time per piece of the same 16 MB cut into sixteen 1 MB
// texts, all passed in one go: both move the same bytes through memory, so
// what differs is how the work itself grows with the length.
#include <iconv.h>
#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "text/codepages.h"
#include "text/exact_conversion.h"
#include "text/layout_retype.h"
#include "text/letter_case.h"
#include "text/line_cleanup.h"
#include "text/smart_format.h"
#include "text/translit.h"
#include "common/win1251_unicode.h"

namespace {

// Russian prose with punctuation, indents, tabs and runs of spaces, lines
// of varying length ending in CR, in the DOS code page's counterpart WIN.
std::string Sample(size_t size) {
  const char* words[] = {"Съешь", "же",   "ещё",  "этих", "мягких", "французских",  "булок,", "да",
                         "выпей", "чаю.", "Ёлка", "и",    "\tтаб",  "два  пробела", "конец"};
  std::string utf8;
  utf8.reserve(size * 2);
  std::string text;
  for (size_t i = 0; text.size() < size; ++i) {
    utf8.clear();
    if (i % 9 == 0) utf8 += " ";
    for (size_t w = 0; w < 6 + i % 7; ++w) {
      utf8 += words[(i * 7 + w) % 15];
      utf8 += ' ';
    }
    text += Utf8_To_Win1251(utf8);
    text += i % 5 == 4 ? "  \r" : "\r";
  }
  text.resize(size);
  return text;
}

using Work = std::function<std::string(const std::string&)>;

// Twice the last-level cache of the machines this runs on, read and written.
void Evict_Caches() {
  static std::vector<unsigned char> junk(128 << 20);
  static volatile unsigned char sink = 0;
  unsigned char sum = 0;
  for (size_t i = 0; i < junk.size(); i += 64) sum = static_cast<unsigned char>(sum + ++junk[i]);
  sink = sink + sum;
}

// The time of one run of the work over all inputs in a row, in seconds,
// started with empty caches. The results are dropped only after the clock
// stops, so no input finds its predecessor's result still in the cache.
double Seconds(const std::vector<const std::string*>& inputs, const Work& work) {
  std::vector<std::string> results;
  results.reserve(inputs.size());
  Evict_Caches();
  const auto start = std::chrono::steady_clock::now();
  for (const std::string* input : inputs) results.push_back(work(*input));
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// MB/s, the best of three.
double Rate(const std::string& input, const Work& work) {
  double best = 1e9;
  for (int run = 0; run < 3; ++run) best = std::min(best, Seconds({&input}, work));
  return double(input.size()) / (1 << 20) / best;
}

// How much longer 16 MB takes than 1 MB; see the top of the file. The two
// sizes take turns, so that whatever else the machine does meanwhile weighs
// on both alike, and each keeps its best of nine.
double Linearity(const std::string& large, const std::vector<std::string>& pieces, const Work& work) {
  std::vector<const std::string*> piece_inputs;
  for (const std::string& piece : pieces) piece_inputs.push_back(&piece);
  double best_pieces = 1e9, best_large = 1e9;
  for (int run = 0; run < 9; ++run) {
    best_pieces = std::min(best_pieces, Seconds(piece_inputs, work));
    best_large = std::min(best_large, Seconds({&large}, work));
  }
  return best_large / (best_pieces / double(pieces.size()));
}

std::vector<std::string> Cut(const std::string& text, size_t piece_size) {
  std::vector<std::string> pieces;
  for (size_t start = 0; start < text.size(); start += piece_size)
    pieces.push_back(text.substr(start, piece_size));
  return pieces;
}

std::string Iconv(const std::string& input, const char* from, const char* to,
                  size_t* stepped_over = nullptr) {
  iconv_t cd = iconv_open(to, from);
  std::string out(input.size(), '\0');
  char* in = const_cast<char*>(input.data());
  size_t in_left = input.size(), out_left = out.size();
  char* o = out.data();
  // Bytes the source leaves unassigned are stepped over, as the table lookup does.
  while (in_left > 0 && iconv(cd, &in, &in_left, &o, &out_left) == size_t(-1)) {
    ++in;
    --in_left;
    *o++ = '?';
    --out_left;
    if (stepped_over) ++*stepped_over;
  }
  iconv_close(cd);
  out.resize(out.size() - out_left);
  return out;
}

struct Pair {
  Codepage source, target;
  const char* from;  // iconv's names of the same code pages
  const char* to;
};

struct Job {
  std::string name;
  Work work;
  const Pair* pair = nullptr;  // set for the conversions, which iconv runs beside
  Work make_input = nullptr;   // the job's input from the WIN sample, if not the sample itself
};

constexpr Pair Pairs[] = {
    {Codepage_DOS, Codepage_WIN, "CP866", "CP1251"},
    {Codepage_KOI, Codepage_WIN, "KOI8-R", "CP1251"},
    {Codepage_ISO, Codepage_WIN, "ISO-8859-5", "CP1251"},
    {Codepage_MAC, Codepage_WIN, "MAC-CYRILLIC", "CP1251"},
    {Codepage_WIN, Codepage_DOS, "CP1251", "CP866"},
    {Codepage_WIN, Codepage_KOI, "CP1251", "KOI8-R"},
};

std::vector<Job> Jobs() {
  std::vector<Job> jobs;
  for (const Pair& pair : Pairs)
    jobs.push_back(
        {std::string("conversion ") + Codepage_Name(pair.source) + "->" + Codepage_Name(pair.target),
         [&pair](const std::string& t) { return Convert_Text(t, pair.source, pair.target); }, &pair,
         [&pair](const std::string& win) {
           // The system's own table makes the input, so iconv meets no stranger.
           return pair.source == Codepage_WIN ? win : Iconv(win, "CP1251", pair.from);
         }});
  const std::vector<Job> others = {
      {"re-typing (to Russian)", [](const std::string& t) { return Retype_To_Russian(t); }},
      {"re-typing (to Latin)", [](const std::string& t) { return Retype_To_Latin(t); }},
      {"case change (upper)", [](const std::string& t) { return Upper_Case_Text(t); }},
      {"case change (lower)", [](const std::string& t) { return Lower_Case_Text(t); }},
      // The toggle reads a text of capitals to its end before it lowers them.
      {"case toggle (all capitals)", [](const std::string& t) { return Toggle_Case_Text(t); }, nullptr,
       [](const std::string& win) { return Upper_Case_Text(win); }},
      {"transliteration", [](const std::string& t) { return Translit_Text(t); }},
      {"remove line breaks", [](const std::string& t) { return Remove_Line_Breaks(t); }},
      {"squeeze spaces", [](const std::string& t) { return Squeeze_Spaces(t); }},
      {"remove line-start space", [](const std::string& t) { return Remove_Line_Start_Space(t); }},
      {"tabs to four spaces", [](const std::string& t) { return Replace_Tabs(t); }},
      {"remove trailing spaces", [](const std::string& t) { return Remove_Trailing_Spaces(t); }},
      {"add spaces into words", [](const std::string& t) { return Add_Spaces_Into_Words(t); }},
      // As the command runs it: the lines, a copy of the document's text
      // that the rebuild takes over, stay until the document is made.
      {"smart formatting",
       [](const std::string& t) {
         const Rebuilt_Lines rebuilt = Smart_Format_Rebuild(Split_Lines(t));
         return Smart_Format_Justify(rebuilt.lines, rebuilt.Max_Line_Length);
       }},
  };
  jobs.insert(jobs.end(), others.begin(), others.end());
  return jobs;
}

// The exact conversions of lirovant-text, which keep every character, beside
// iconv doing the very same.
struct Exact_Pair {
  Text_Page from, to;
  const char* iconv_from;
  const char* iconv_to;
};

constexpr Exact_Pair Exact_Pairs[] = {
    {Page_KOI, Page_WIN, "KOI8-R", "CP1251"}, {Page_DOS, Page_WIN, "CP866", "CP1251"},
    {Page_WIN, Page_KOI, "CP1251", "KOI8-R"}, {Page_WIN, Page_UTF8, "CP1251", "UTF-8"},
    {Page_UTF8, Page_WIN, "UTF-8", "CP1251"},
};

// iconv over the whole input with room for UTF-8's longer characters; the
// input holds only what both pages have.
std::string Iconv_Growing(const std::string& input, const char* from, const char* to) {
  iconv_t cd = iconv_open(to, from);
  std::string out(input.size() * 3 + 16, '\0');
  char* in = const_cast<char*>(input.data());
  size_t in_left = input.size(), out_left = out.size();
  char* o = out.data();
  iconv(cd, &in, &in_left, &o, &out_left);
  iconv_close(cd);
  out.resize(out.size() - out_left);
  return out;
}

void Print_Exact_Conversions(const std::string& win, const std::string& only) {
  for (const Exact_Pair& pair : Exact_Pairs) {
    const std::string name =
        std::string("exact ") + Text_Page_Name(pair.from) + "->" + Text_Page_Name(pair.to);
    if (name.find(only) == std::string::npos) continue;
    const std::string input = pair.from == Page_WIN ? win : Iconv_Growing(win, "CP1251", pair.iconv_from);
    const double iconv_rate = Rate(
        input, [&pair](const std::string& t) { return Iconv_Growing(t, pair.iconv_from, pair.iconv_to); });
    const double rate =
        Rate(input, [&pair](const std::string& t) { return Convert_Exact(t, pair.from, pair.to).text; });
    std::printf("  %-26s %9.0f   iconv %s->%s %6.0f   x iconv %5.1f\n", name.c_str(), rate, pair.iconv_from,
                pair.iconv_to, iconv_rate, rate / iconv_rate);
  }
}

std::string Input_For(const Job& job, const std::string& win) {
  return job.make_input ? job.make_input(win) : win;
}

}  // namespace

int main(int argc, char** argv) {
  // Large results are kept on the heap between runs instead of being mapped
  // afresh, so the figures show the work rather than the first touch of new pages.
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  const size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 64;
  const std::string only = argc > 2 ? argv[2] : "";
  const std::string win = Sample(megabytes << 20);
  const std::string large_win = Sample(16 << 20);

  std::printf("text core on %zu MB of Russian text (best of 3, MB/s; caches emptied before each run)\n",
              megabytes);
  const double copy = Rate(win, [](const std::string& t) {
    std::string out(t.size(), '\0');
    std::memcpy(out.data(), t.data(), t.size());
    return out;
  });
  std::printf("  %-26s %9.0f\n", "memcpy", copy);

  double dos_win_iconv = 0;  // the yardstick of the jobs that iconv has no pair for
  for (const Job& job : Jobs()) {
    const bool wanted = job.name.find(only) != std::string::npos;
    // DOS->WIN comes first and gives its iconv rate even when not wanted itself.
    if (!wanted && !(job.pair && job.pair->source == Codepage_DOS && job.pair->target == Codepage_WIN))
      continue;
    const std::string input = Input_For(job, win);
    double iconv_rate = dos_win_iconv;
    if (job.pair) {
      const Pair& pair = *job.pair;
      iconv_rate = Rate(input, [&pair](const std::string& t) { return Iconv(t, pair.from, pair.to); });
      size_t stepped_over = 0;
      Iconv(input, pair.from, pair.to, &stepped_over);
      if (stepped_over > 0)
        std::printf("  (iconv stepped over %zu bytes it could not convert)\n", stepped_over);
      const std::string iconv_name = std::string("iconv ") + pair.from + "->" + pair.to;
      std::printf("  %-26s %9.0f\n", iconv_name.c_str(), iconv_rate);
      if (pair.source == Codepage_DOS && pair.target == Codepage_WIN) dos_win_iconv = iconv_rate;
    }
    if (!wanted) continue;
    const double rate = Rate(input, job.work);
    const std::string large = Input_For(job, large_win);
    const double ratio = Linearity(large, Cut(large, 1 << 20), job.work);
    std::printf("  %-26s %9.0f   x iconv %5.1f%s   16 MB / 1 MB time %5.1f\n", job.name.c_str(), rate,
                rate / iconv_rate, job.pair ? " (same pair)  " : " (DOS->WIN)   ", ratio);
  }
  Print_Exact_Conversions(win, only);
  return 0;
}
