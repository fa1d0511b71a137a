// Figures, not a timed test: replace all beside Alt+D (DOS to WIN) on the
// same text in the real main window, each from the command to the whole
// result in the edit area. Russian lines with the find text about once in
// 150 bytes, 3 and 15 MB (LIROVANT_BENCH_MB=n for one size of its own). Run
// with --gtest_also_run_disabled_tests --gtest_filter='SearchBenchmark*';
// word wrap is on unless LIROVANT_BENCH_NOWRAP is set.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/win32/main_window.h"
#include "common/command_ids.h"
#include "common/win1251_unicode.h"
#include "platform/win32/edit_search_win32.h"
#include "platform/win32/search_ui_win32.h"
#include "search/replace_command.h"
#include "test_main_window.h"
#include "text/menu_conversion.h"

namespace {

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return double(count.QuadPart) / double(frequency.QuadPart);
}

// The real window's boxes, but Cancel at the end-of-text question.
class Bench_Ui : public Win32_Search_Ui {
 public:
  using Win32_Search_Ui::Win32_Search_Ui;
  bool Ok_Cancel(const std::string&) override { return false; }
};

// Lines of about 105 bytes, two in three holding the find text once.
std::string Document(size_t bytes, int& occurrences) {
  const std::string filler = Utf8_To_Win1251("съешь же ещё этих мягких французских булок да выпей чаю ");
  const std::string word = Utf8_To_Win1251("кот");
  std::string text;
  text.reserve(bytes + 200);
  occurrences = 0;
  for (int i = 0; text.size() < bytes; ++i) {
    text += filler.substr(0, size_t(i % 40));
    if (i % 3 != 2) {
      text += word + " ";
      ++occurrences;
    }
    text += filler + filler.substr(0, 25) + "\r";
  }
  return text;
}

void Load(const std::string& text) {
  Window().Reset_Editor();
  Probe().Edit().Set_Text(text);
  Probe().Edit().Set_Selection(0, 0);
  Pump();
}

// From the command to the whole result in the edit area.
double Until_All_In(const std::function<void()>& command) {
  const double start = Now();
  command();
  Wait_Until([] { return !Probe().Intake().Busy(); }, 600000);
  return Now() - start;
}

double Replace_All_Run(const std::string& text, int occurrences, const std::string& with) {
  Load(text);
  Probe().Search().Search_Count = 0;
  Rich_Edit_Search search(Probe().Edit().Handle());
  Bench_Ui ui(Probe().Handle(), Probe().Busy(), Probe().Status());
  Search_Context c{Probe().Edit(),    search,          ui, Probe().Keyboard(), Probe().Search(),
                   Probe().Control(), Probe().Status()};
  const double seconds = Until_All_In([&] { Replace_All(c, {Utf8_To_Win1251("КОТ"), false}, with); });
  EXPECT_EQ(Probe().Search().Search_Count, occurrences);
  EXPECT_EQ(Probe().Edit().Text_Length(), int32_t(text.size()));
  return seconds;
}

double Dos_Win_Run(const std::string& win) {
  std::string dos = win;
  Convert_Menu_Run(dos, 0, dos.size(), Codepage_WIN, Codepage_DOS);
  Load(dos);
  const double seconds = Until_All_In([] { SendMessageW(Probe().Handle(), WM_COMMAND, IDM_DOS_WIN, 0); });
  EXPECT_EQ(Probe().Edit().Text_Length(), int32_t(win.size()));
  return seconds;
}

class SearchBenchmark : public Main_Window_Test {};

TEST_F(SearchBenchmark, DISABLED_ReplaceAllBesideAltD) {
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  const bool wrap = !std::getenv("LIROVANT_BENCH_NOWRAP");
  Probe().Look().Word_Wrap = wrap;
  Probe().Edit().Set_Word_Wrap(wrap);
  std::vector<double> sizes = {3, 15};
  if (const char* mb = std::getenv("LIROVANT_BENCH_MB")) sizes = {std::atof(mb)};
  const std::string with = Utf8_To_Win1251("пёс");
  for (const double mb : sizes) {
    int occurrences = 0;
    const std::string text = Document(size_t(mb * 1048576), occurrences);
    const double replace_all = Replace_All_Run(text, occurrences, with);
    const double alt_d = Dos_Win_Run(text);
    std::printf("%.1f MB, word wrap %s, %d matches: replace all %.2f s, Alt+D %.2f s, ratio %.2f\n", mb,
                wrap ? "on" : "off", occurrences, replace_all, alt_d, replace_all / alt_d);
  }
  Window().Reset_Editor();
}

}  // namespace
