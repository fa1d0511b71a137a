// Throughput of the text core on a large Russian text, with the system's
// iconv converting the same input and memcpy copying it in the same run.
//   text_bench [megabytes]   (64 by default)
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
#include "text/layout_retype.h"
#include "text/letter_case.h"
#include "text/line_cleanup.h"
#include "text/smart_format.h"
#include "text/translit.h"
#include "text/win1251_unicode.h"

namespace {

// Russian prose with punctuation, indents, tabs and runs of spaces, lines
// of varying length ending in CR, in the DOS code page's counterpart WIN.
std::string Sample(size_t size) {
  const char* words[] = {"Съешь", "же", "ещё", "этих", "мягких", "французских", "булок,", "да",
                         "выпей", "чаю.", "Ёлка", "и", "\tтаб", "два  пробела", "конец"};
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

double Seconds(const std::function<void()>& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The best of three runs, in MB/s.
double Rate(const std::string& input, const std::function<size_t(const std::string&)>& work) {
  double best = 1e9;
  volatile size_t sink = 0;
  for (int run = 0; run < 3; ++run) best = std::min(best, Seconds([&] { sink = sink + work(input); }));
  return double(input.size()) / (1 << 20) / best;
}

std::string Iconv(const std::string& input, const char* from, const char* to) {
  iconv_t cd = iconv_open(to, from);
  std::string out(input.size(), '\0');
  char* in = const_cast<char*>(input.data());
  size_t in_left = input.size(), out_left = out.size();
  char* o = out.data();
  iconv(cd, &in, &in_left, &o, &out_left);
  iconv_close(cd);
  out.resize(out.size() - out_left);
  return out;
}

size_t Iconv_866_To_1251(const std::string& input) {
  iconv_t cd = iconv_open("CP1251", "CP866");
  std::string out(input.size(), '\0');
  char* in = const_cast<char*>(input.data());
  size_t in_left = input.size(), out_left = out.size();
  char* o = out.data();
  // Bytes CP866 leaves unassigned are stepped over, as the table lookup does.
  while (in_left > 0 && iconv(cd, &in, &in_left, &o, &out_left) == size_t(-1)) {
    ++in;
    --in_left;
    *o++ = '?';
    --out_left;
  }
  iconv_close(cd);
  return out.size() - out_left;
}

struct Job {
  const char* name;
  std::function<size_t(const std::string&)> work;
};

}  // namespace

int main(int argc, char** argv) {
  // Large results are kept on the heap between runs instead of being mapped
  // afresh, so the figures show the work rather than the first touch of new pages.
  mallopt(M_MMAP_THRESHOLD, 1 << 30);
  mallopt(M_TRIM_THRESHOLD, 1 << 30);
  const size_t megabytes = argc > 1 ? std::strtoul(argv[1], nullptr, 10) : 64;
  const std::string win = Sample(megabytes << 20);
  // The system's own table makes the DOS input, so iconv meets no stranger.
  const std::string dos = Iconv(win, "CP1251", "CP866");
  const std::string small = Sample(1 << 20), large = Sample(16 << 20);

  const std::vector<Job> jobs = {
      {"conversion DOS->WIN", [](const std::string& t) { return Convert_Text(t, Codepage_DOS, Codepage_WIN).size(); }},
      {"re-typing (to Russian)", [](const std::string& t) { return Kirilica_Text(t).size(); }},
      {"case change (upper)", [](const std::string& t) { return Upper_Case_Text(t).size(); }},
      {"transliteration", [](const std::string& t) { return Translit_Text(t).size(); }},
      {"remove line breaks", [](const std::string& t) { return Remove_Line_Breaks(t).size(); }},
      {"squeeze spaces", [](const std::string& t) { return Squeeze_Spaces(t).size(); }},
      {"remove line-start space", [](const std::string& t) { return Remove_Line_Start_Space(t).size(); }},
      {"tabs to four spaces", [](const std::string& t) { return Replace_Tabs(t).size(); }},
      {"remove trailing spaces", [](const std::string& t) { return Remove_Trailing_Spaces(t).size(); }},
      {"add spaces into words", [](const std::string& t) { return Add_Spaces_Into_Words(t).size(); }},
      {"smart formatting", [](const std::string& t) {
         const auto rebuilt = Smart_Format_Rebuild(Split_Lines(t));
         return Smart_Format_Justify(rebuilt.lines, rebuilt.Max_Line_Length).size();
       }},
  };

  std::printf("text core on %zu MB of Russian text (best of 3, MB/s)\n", megabytes);
  const double copy = Rate(win, [](const std::string& t) {
    std::string out(t.size(), '\0');
    std::memcpy(out.data(), t.data(), t.size());
    return out.size();
  });
  const double iconv_rate = Rate(dos, Iconv_866_To_1251);
  if (Iconv_866_To_1251(dos) != dos.size()) std::printf("  (iconv did not convert the whole input)\n");
  std::printf("  %-26s %9.0f\n  %-26s %9.0f\n", "memcpy", copy, "iconv CP866->CP1251", iconv_rate);
  for (const Job& job : jobs) {
    const std::string& input = job.name[0] == 'c' && job.name[1] == 'o' ? dos : win;
    const double rate = Rate(input, job.work);
    // Linear means 16 MB takes at most 17 times as long as 1 MB.
    const double ratio = (double(small.size()) / Rate(small, job.work)) == 0
                             ? 0
                             : (16.0 / Rate(large, job.work)) / (1.0 / Rate(small, job.work));
    std::printf("  %-26s %9.0f   x iconv %5.1f   16 MB / 1 MB time %5.1f\n", job.name, rate,
                rate / iconv_rate, ratio);
  }
  return 0;
}
