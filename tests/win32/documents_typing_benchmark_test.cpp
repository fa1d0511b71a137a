// Typing at the end of a large document in the real main window, with
// recovery copies kept and without, in one run. Run on demand (LV_BENCH_MB=n
// for n megabytes instead of 10):
//   lirowin_tests.exe --gtest_also_run_disabled_tests --gtest_filter='DocumentsTypingBenchmark*'
// Keys come from another thread as a typist's would, in bursts, each timed
// until the window has taken it. After each burst the typist pauses as long
// as the program waits before a copy, and then a little longer, each time
// another while, so that bursts land while a copy is taken or written.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

#include "common/program_paths.h"
#include "documents/recovery_copy.h"
#include "documents/win32/document_host.h"
#include "platform/win32/file_writer_win32.h"
#include "platform/win32/platform_win32.h"
#include "test_main_window.h"
#include "tools/bench/sample_text.h"

namespace {

constexpr int kBursts = 18;
constexpr int kBurstKeys = 10;
constexpr DWORD kKeyGapMs = 50;
// How much longer than the program's pause the typist's pauses are, in turn.
constexpr DWORD kResumeMs[] = {0, 60, 150, 300, 600};

double Milliseconds_Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// The share `at` (0 to 1) of the sorted times; 0 for none.
double At(std::vector<double> times, double at) {
  if (times.empty()) return 0;
  std::sort(times.begin(), times.end());
  return times[std::min(times.size() - 1, size_t(at * double(times.size())))];
}

struct Typing {
  std::vector<double> Keys, Keys_While_Copying, Snapshots, Steps, Writes;
};

Typing Type(Main_Window_Probe w) {
  Typing t;
  std::atomic<bool> done{false};
  std::thread typist([&] {
    for (int burst = 0; burst < kBursts; ++burst) {
      for (int k = 0; k < kBurstKeys; ++k) {
        Sleep(kKeyGapMs);
        const bool writing = w.Recovery_Files().Writing();
        const auto start = std::chrono::steady_clock::now();
        SendMessageW(w.Edit().Handle(), WM_CHAR, WPARAM(L'a' + k), 1);
        const double ms = Milliseconds_Since(start);
        t.Keys.push_back(ms);
        // A key sent while the text was taken may find the write under way.
        if (writing || w.Recovery_Files().Writing()) t.Keys_While_Copying.push_back(ms);
      }
      Sleep(kRecoveryPauseMilliseconds + kResumeMs[burst % std::size(kResumeMs)]);
    }
    done = true;
  });
  // A copy written changes what the last one cost; one given up does not.
  double last = -1;
  Wait_Until(
      [&] {
        const Recovery& r = w.Recovery_Files();
        if (!r.Writing() && r.Last_Write_Milliseconds() != last && r.Last_Write_Milliseconds() > 0) {
          last = r.Last_Write_Milliseconds();
          t.Snapshots.push_back(r.Last_Snapshot_Milliseconds());
          t.Steps.push_back(r.Last_Snapshot_Step_Milliseconds());
          t.Writes.push_back(last);
        }
        return done.load();
      },
      600000);
  typist.join();
  Wait_Until([&w] { return !w.Recovery_Files().Writing(); }, 60000);
  return t;
}

void Print_Keys(const char* what, const std::vector<double>& keys) {
  std::printf("  %-40s %3u keys: median %6.1f ms, 95%% %6.1f ms, max %6.1f ms\n", what, unsigned(keys.size()),
              At(keys, 0.5), At(keys, 0.95), At(keys, 1.0));
}

class DocumentsTypingBenchmark : public Main_Window_Test {};

TEST_F(DocumentsTypingBenchmark, DISABLED_TypingWithRecovery) {
  size_t megabytes = 10;
  if (const char* chosen = std::getenv("LV_BENCH_MB")) megabytes = size_t(std::strtoul(chosen, nullptr, 10));
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::string path = Narrow(temp) + "lv_typing_bench.txt";
  ASSERT_TRUE(Win32_File_Writer().Write_Whole(path, Sample_File(megabytes << 20)));
  Main_Window_Probe w = Probe();
  w.Documents().With_Session([&](Document_Session& s) { Open_Chosen_File(s, path); });
  ASSERT_TRUE(Wait_Until([&w] { return !w.Intake().Busy(); }, 300000));
  const int32_t end = w.Edit().Text_Length();
  w.Edit().Set_Selection(end, end);

  // Off first: the copies stop as at a clean close, and start again after.
  w.Recovery_Files().Clean_Close();
  const Typing off = Type(w);
  w.Recovery_Files().Start(w.Handle(), Settings_File_Path(w.Exe_Path()));
  const Typing on = Type(w);

  std::printf("Typing at the end of a %u MB document, %u bursts of %u keys %u ms apart:\n",
              unsigned(megabytes), unsigned(kBursts), unsigned(kBurstKeys), unsigned(kKeyGapMs));
  Print_Keys("without recovery copies", off.Keys);
  Print_Keys("with recovery copies", on.Keys);
  Print_Keys("of these, while a copy was taken or written", on.Keys_While_Copying);
  std::printf(
      "  %u copies written; taking the text on the window's thread: in all median %.1f ms, max %.1f ms, its "
      "longest step median %.1f ms, max %.1f ms; making and writing the copy median %.1f ms, max %.1f ms\n",
      unsigned(on.Writes.size()), At(on.Snapshots, 0.5), At(on.Snapshots, 1.0), At(on.Steps, 0.5),
      At(on.Steps, 1.0), At(on.Writes, 0.5), At(on.Writes, 1.0));

  // A copy holds the text as it stands, every key typed included.
  w.Recovery_Files().Write_Now();
  ASSERT_TRUE(Wait_Until([&w] { return !w.Recovery_Files().Writing(); }, 60000));
  EXPECT_GE(on.Writes.size(), 2u);
  const auto bytes = Win32_Files().Read_All(Narrow(w.Recovery_Files().Copy_Path()));
  ASSERT_TRUE(bytes);
  const auto copy = Read_Recovery_Copy(*bytes);
  ASSERT_TRUE(copy);
  EXPECT_TRUE(copy->Text == w.Edit().Control_Text());
  EXPECT_EQ(copy->Text.size(), size_t(end) + 2 * kBursts * kBurstKeys);
  w.Recovery_Files().Clean_Close();
  w.Edit().Set_Modified(false);
  DeleteFileW(Wide(path).c_str());
}

}  // namespace
