// Open and save times of 1, 10 and 50 MB documents beside the time the bare
// edit control takes to take in the same text. Run on demand (LV_BENCH_MB=n
// measures n megabytes only):
//   lirowin_tests.exe --gtest_also_run_disabled_tests --gtest_filter='DocumentsBenchmark*'
// Utf8BesideWin1251 opens and saves the same 10 MB text as Windows-1251 and
// as UTF-8 in one run, the UTF-8 figures beside the Windows-1251 ones.
#include <windows.h>
#include <richedit.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>
#include <string>

#include "common/control_text.h"
#include "common/file_encoding.h"
#include "common/win1251_unicode.h"
#include "documents/document_files.h"
#include "common/line_ends.h"
#include "platform/win32/document_text_win32.h"
#include "platform/win32/edit_area_win32.h"
#include "platform/win32/file_writer_win32.h"
#include "platform/win32/platform_win32.h"
#include "tools/bench/sample_text.h"

namespace {

template <typename F>
double Seconds(F&& work) {
  const auto start = std::chrono::steady_clock::now();
  work();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

size_t Peak_Memory() {
  struct Counters {
    DWORD cb;
    DWORD PageFaultCount;
    SIZE_T PeakWorkingSetSize, WorkingSetSize, QuotaPeakPagedPoolUsage, QuotaPagedPoolUsage,
        QuotaPeakNonPagedPoolUsage, QuotaNonPagedPoolUsage, PagefileUsage, PeakPagefileUsage;
  } counters{sizeof(Counters), 0, 0, 0, 0, 0, 0, 0, 0, 0};
  using Get = BOOL(WINAPI*)(HANDLE, Counters*, DWORD);
  auto get = reinterpret_cast<Get>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "K32GetProcessMemoryInfo")));
  if (!get || !get(GetCurrentProcess(), &counters, sizeof counters)) return 0;
  return counters.PeakWorkingSetSize;
}

// Lines wrap to the control's width as the text comes in: a control left at
// its creation size would make a row of every few characters.
HWND Edit_Area_Of_Main_Window_Size(HWND parent, int id) {
  HWND edit = Rich_Edit::Create(parent, id, true);
  MoveWindow(edit, 0, 0, 584, 361, FALSE);
  return edit;
}

TEST(DocumentsBenchmark, DISABLED_OpenAndSave) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::string folder = Narrow(temp);
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  std::vector<size_t> sizes = {1, 10, 50};
  if (const char* chosen = std::getenv("LV_BENCH_MB")) sizes = {size_t(std::strtoul(chosen, nullptr, 10))};
  for (size_t megabytes : sizes) {
    const std::string path = folder + "lv_bench_" + std::to_string(megabytes) + ".txt";
    const std::string file = Sample_File(megabytes << 20);
    Win32_File_Writer writer;
    ASSERT_TRUE(writer.Write_Whole(path, file));

    const std::wstring wide = Document_To_Control_Text(Disk_To_Working_Text(file));
    // LV_BENCH_NO_BARE leaves the bare edit area out, for a quicker look at
    // the save of a large file.
    double bare_time = 0;
    if (!std::getenv("LV_BENCH_NO_BARE")) {
      HWND bare = Edit_Area_Of_Main_Window_Size(parent, 1);
      bare_time = Seconds([&] {
        SETTEXTEX set{ST_DEFAULT, 1200};
        SendMessageW(bare, EM_SETTEXTEX, WPARAM(&set), LPARAM(wide.c_str()));
      });
      DestroyWindow(bare);
    }

    HWND edit = Edit_Area_Of_Main_Window_Size(parent, 2);
    Rich_Edit_Document text(edit);
    const double open_time = Seconds([&] {
      const auto bytes = Win32_Files().Read_All(path);
      Put_Document(text, path, *bytes);
    });
    const double save_time =
        Seconds([&] { ASSERT_EQ(Save_Document(text, writer, path), Save_Result::Saved); });
    // The save's floor: the control handing out its text in the same pieces,
    // with nothing done with them.
    const double take_time = Seconds([&] { text.Take_Pieces([](Text_Piece) { return true; }); });
    EXPECT_EQ(Win32_Files().Read_All(path).value_or(""), file);
    DestroyWindow(edit);
    DeleteFileW(Wide(path).c_str());
    std::printf(
        "%3u MB: open %.3f s (bare edit area %.3f s, ratio %.2f), save %.3f s (the control "
        "handing out its text %.3f s), peak memory %u MB\n",
        unsigned(megabytes), open_time, bare_time, open_time / bare_time, save_time, take_time,
        unsigned(Peak_Memory() >> 20));
  }
  DestroyWindow(parent);
}

struct Open_Save_Times {
  double Open = 1e9, Save = 1e9;
};

// The best of a few rounds of opening the file into a new edit area and
// saving it back in its own encoding; the saved file must match the original.
Open_Save_Times Time_Open_And_Save(HWND parent, const std::string& path, const std::string& bytes,
                                   File_Encoding encoding) {
  Open_Save_Times best;
  Win32_File_Writer writer;
  for (int round = 0; round < 3; ++round) {
    EXPECT_TRUE(writer.Write_Whole(path, bytes));
    HWND edit = Edit_Area_Of_Main_Window_Size(parent, 10 + round);
    Rich_Edit_Document text(edit);
    File_Encoding found = File_Encoding::Win;
    best.Open = std::min(best.Open, Seconds([&] {
                           const auto read = Win32_Files().Read_All(path);
                           found = Put_Document(text, path, *read).Encoding;
                         }));
    EXPECT_EQ(found, encoding);
    best.Save = std::min(best.Save, Seconds([&] {
                           EXPECT_EQ(Save_Document(text, writer, path, encoding), Save_Result::Saved);
                         }));
    EXPECT_EQ(Win32_Files().Read_All(path).value_or(""), bytes);
    DestroyWindow(edit);
  }
  DeleteFileW(Wide(path).c_str());
  return best;
}

TEST(DocumentsBenchmark, DISABLED_Utf8BesideWin1251) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::string folder = Narrow(temp);
  HWND parent = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW, 0, 0, 600, 400, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
  const std::string win = Sample_File(10u << 20);
  const std::string utf8 = Encode_File_Text(Win1251_To_Utf16(win), File_Encoding::Utf8);
  const Open_Save_Times win_times =
      Time_Open_And_Save(parent, folder + "lv_bench_win.txt", win, File_Encoding::Win);
  const Open_Save_Times utf8_times =
      Time_Open_And_Save(parent, folder + "lv_bench_utf8.txt", utf8, File_Encoding::Utf8);
  std::printf(
      "10 MB of text: open WIN %.3f s, UTF-8 %.3f s (ratio %.2f); save WIN %.3f s, UTF-8 %.3f s (ratio "
      "%.2f)\n",
      win_times.Open, utf8_times.Open, utf8_times.Open / win_times.Open, win_times.Save, utf8_times.Save,
      utf8_times.Save / win_times.Save);
  DestroyWindow(parent);
}

}  // namespace
