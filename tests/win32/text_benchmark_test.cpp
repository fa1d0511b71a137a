// Figures, not a timed test: the text commands on a large document in the
// real main window, beside the time the edit area takes to take the same text
// once. Run with --gtest_also_run_disabled_tests --gtest_filter='TextBenchmark*'.
// LIROVANT_BENCH_MB sets the size (10 by default).
#include <gtest/gtest.h>
#include <richedit.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/command_ids.h"
#include "app/win32/forma.h"
#include "test_forma.h"
#include "text/codepages.h"
#include "text/win1251_unicode.h"

namespace {

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return double(count.QuadPart) / double(frequency.QuadPart);
}


// Russian prose-like lines of about 70 bytes with a few double spaces, in WIN.
std::string Document(size_t bytes) {
  const std::string words[] = {Utf8_To_Win1251("съешь"), Utf8_To_Win1251("ещё"),   Utf8_To_Win1251("этих"),
                               Utf8_To_Win1251("мягких"), Utf8_To_Win1251("французских"),
                               Utf8_To_Win1251("булок,"), Utf8_To_Win1251("да"), Utf8_To_Win1251("выпей"),
                               Utf8_To_Win1251("же"),     Utf8_To_Win1251("чаю.")};
  std::string text;
  text.reserve(bytes + 100);
  size_t line = 0, w = 0;
  while (text.size() < bytes) {
    const std::string& word = words[w++ % 10];
    if (line + word.size() > 70) {
      text += '\r';
      line = 0;
    } else if (line > 0) {
      text += (w % 13 == 0) ? "  " : " ";
      ++line;
    }
    text += word;
    line += word.size();
  }
  return text;
}

double Timed(void (*action)()) {
  const double start = Now();
  action();
  return Now() - start;
}

std::string bench_text;

TEST(TextBenchmark, DISABLED_LargeDocument) {
  if (!Forma.Handle) ASSERT_TRUE(Create_Forma(GetModuleHandleW(nullptr), {}));
  ShowWindow(Forma.Handle, SW_SHOW);
  Pump();
  const char* mb = std::getenv("LIROVANT_BENCH_MB");
  const size_t size = size_t(mb ? std::atof(mb) * 1048576 : 10 * 1048576);
  const bool wrap = !std::getenv("LIROVANT_BENCH_NOWRAP");
  Forma.Word_Wrap = wrap;
  Forma.RxRichEdit.Set_Word_Wrap(wrap);
  const std::string win = Document(size);
  bench_text = Convert_Text(win, Codepage_WIN, Codepage_DOS);
  std::printf("document: %.2f MB, %s\n", double(bench_text.size()) / 1048576, wrap ? "word wrap on" : "word wrap off");

  const double load = Timed([] { Forma.RxRichEdit.Set_Text(bench_text); });
  const double read = Timed([] { (void)Forma.RxRichEdit.Text(); });
  const double replace = Timed([] {
    Forma.RxRichEdit.Set_Selection(0, -1);
    Forma.RxRichEdit.Replace_Selection(bench_text);
  });
  const double reload = Timed([] { Forma.RxRichEdit.Set_Text(bench_text); });
  const double empty = Timed([] { Forma.RxRichEdit.Set_Text(""); });
  Forma.RxRichEdit.Set_Text(bench_text);
  Forma.RxRichEdit.Set_Selection(1000, 1000);
  const double dos_win = Timed([] { SendMessageW(Forma.Handle, WM_COMMAND, IDM_DOS_WIN, 0); });
  EXPECT_EQ(Forma.RxRichEdit.Text(), win);
  EXPECT_EQ(Forma.RxRichEdit.Get_Selection().Start, 1000);
  const double del_enter = Timed([] {
    Forma.RxRichEdit.Set_Selection(0, -1);
    SendMessageW(Forma.Handle, WM_COMMAND, IDM_Del_Enter, 0);
  });
  const double squeeze = Timed([] {
    Forma.RxRichEdit.Set_Selection(0, -1);
    SendMessageW(Forma.Handle, WM_COMMAND, IDM_Del_Space_In_Word, 0);
  });
  std::printf("load (set text)          %8.3f s\n", load);
  std::printf("read whole text          %8.3f s\n", read);
  std::printf("set text over itself      %8.3f s\n", reload);
  std::printf("set empty text           %8.3f s\n", empty);
  std::printf("replace all once (undo)  %8.3f s\n", replace);
  std::printf("DOS_WIN                  %8.3f s  (%.2f x replace)\n", dos_win, dos_win / replace);
  std::printf("Del_Enter, all selected  %8.3f s  (%.2f x replace)\n", del_enter, del_enter / replace);
  std::printf("Del_Space_In_Word, all   %8.3f s  (%.2f x replace)\n", squeeze, squeeze / replace);
  Forma.RxRichEdit.Set_Text("");
}

}  // namespace
