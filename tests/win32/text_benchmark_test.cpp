// Figures, not a timed test: the text commands on a large document in the
// real main window, beside the time the edit area takes to take the same text
// once. Run with --gtest_also_run_disabled_tests --gtest_filter='TextBenchmark*'.
// LIROVANT_BENCH_MB sets the size (5 by default); LIROVANT_BENCH_NOWRAP turns
// word wrap off.
#include <gtest/gtest.h>
#include <richedit.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "common/command_ids.h"
#include "app/win32/main_window.h"
#include "box_answerer.h"
#include "common/control_text.h"
#include "test_main_window.h"
#include "text/menu_conversion.h"
#include "common/win1251_unicode.h"

namespace {

double Now() {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return double(count.QuadPart) / double(frequency.QuadPart);
}

// Russian prose-like lines of about 70 bytes with a few double spaces, in WIN;
// every eighth line starts a paragraph with a space, as e-book text does.
std::string Document(size_t bytes) {
  const std::string words[] = {Utf8_To_Win1251("съешь"),       Utf8_To_Win1251("ещё"),
                               Utf8_To_Win1251("этих"),        Utf8_To_Win1251("мягких"),
                               Utf8_To_Win1251("французских"), Utf8_To_Win1251("булок,"),
                               Utf8_To_Win1251("да"),          Utf8_To_Win1251("выпей"),
                               Utf8_To_Win1251("же"),          Utf8_To_Win1251("чаю.")};
  std::string text;
  text.reserve(bytes + 100);
  size_t line = 0, w = 0, lines = 0;
  while (text.size() < bytes) {
    const std::string& word = words[w++ % 10];
    if (line + word.size() > 70) {
      text += (++lines % 8 == 0) ? "\r " : "\r";
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

template <typename Action>
double Timed(Action action) {
  const double start = Now();
  action();
  return Now() - start;
}

void Command(int id) { SendMessageW(Probe().Handle(), WM_COMMAND, id, 0); }

void Load(const std::string& text) {
  Window().Reset_Editor();
  Probe().Edit().Set_Text(text);
  Probe().Edit().Set_Selection(1000, 1000);
}

void Select_All() { Probe().Edit().Set_Selection(0, -1); }

// The edit area taking a text once: a control of the main window's kind and
// size made and given the whole text, as a whole-text replacement does.
double Take_In(const std::string& text) {
  const std::wstring wide = Document_To_Control_Text(text);
  return Timed([&] {
    HWND edit = Rich_Edit::Create(Probe().Handle(), 2, Probe().Look().Word_Wrap);
    ShowWindow(edit, SW_HIDE);
    RECT place{};
    GetWindowRect(Probe().Edit().Handle(), &place);
    MoveWindow(edit, 0, 0, place.right - place.left, place.bottom - place.top, FALSE);
    Rich_Edit(edit).Apply_Font(Probe().Look().Font, Probe().Look().Font_Handle);
    SETTEXTEX set{ST_DEFAULT, 1200};
    SendMessageW(edit, EM_SETTEXTEX, WPARAM(&set), LPARAM(wide.c_str()));
    DestroyWindow(edit);
  });
}

struct Figure {
  const char* what;
  double seconds;
  double baseline;  // the edit area taking in the command's result
};

class TextBenchmark : public Main_Window_Test {};

TEST_F(TextBenchmark, DISABLED_LargeDocument) {
  // A long run shows its figures as they come.
  std::setvbuf(stdout, nullptr, _IONBF, 0);
  const char* mb = std::getenv("LIROVANT_BENCH_MB");
  const size_t size = size_t(mb ? std::atof(mb) * 1048576 : 5 * 1048576);
  const bool wrap = !std::getenv("LIROVANT_BENCH_NOWRAP");
  Probe().Look().Word_Wrap = wrap;
  Probe().Edit().Set_Word_Wrap(wrap);
  const std::string win = Document(size);
  std::string dos = win;
  Convert_Menu_Run(dos, 0, dos.size(), Codepage_WIN, Codepage_DOS);
  std::printf("document: %.2f MB, %s\n", double(dos.size()) / 1048576,
              wrap ? "word wrap on" : "word wrap off");

  const double take_in = Take_In(win);
  // The control replacing its whole text in place grows with the square of
  // the lines under Wine; past a megabyte it is left out.
  double in_place = -1;
  if (size <= 1048576) {
    Load(dos);
    in_place = Timed([&] {
      Select_All();
      Probe().Edit().Replace_Selection(win);
    });
  }

  std::vector<Figure> figures;
  Load(dos);
  const double dos_win = Timed([] { Command(IDM_DOS_WIN); });
  EXPECT_EQ(Probe().Edit().Text(), win);
  EXPECT_EQ(Probe().Edit().Get_Selection().Start, 1000);
  figures.push_back({"DOS_WIN", dos_win, take_in});
  figures.push_back({"undo of DOS_WIN", Timed([] { Command(IDM_Undo); }), take_in});
  EXPECT_EQ(Probe().Edit().Text(), dos);

  const auto whole = [&](const char* what, int command) {
    Load(win);
    const double seconds = Timed([&] {
      Select_All();
      Command(command);
    });
    figures.push_back({what, seconds, Take_In(Probe().Edit().Text())});
    std::printf("  %s: %.3f s\n", what, seconds);
  };
  whole("Del_Enter, all selected", IDM_Remove_Line_Breaks);
  whole("Del_Space_In_Word, all selected", IDM_Squeeze_Spaces);
  {
    Box_Answerer answerer(IDYES);
    whole("smart formatting", IDM_Smart_Format);
    EXPECT_EQ(answerer.texts.size(), 2u);
  }

  std::printf("%-36s %8.3f s\n", "taking the text in (new control)", take_in);
  if (in_place >= 0)
    std::printf("%-36s %8.3f s  (%.2f x taking the text in)\n", "replacing all in place (undoable)", in_place,
                in_place / take_in);
  for (const Figure& f : figures)
    std::printf("%-36s %8.3f s  (taking its result in %.3f s, ratio %.2f)\n", f.what, f.seconds, f.baseline,
                f.seconds / f.baseline);
  Window().Reset_Editor();
}

}  // namespace
