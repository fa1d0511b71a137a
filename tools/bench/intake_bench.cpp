// Large files from the outside: for 1, 10 and 50 MB Russian texts, the time
// until the first screen shows, the time until the whole text is in, and the
// process's peak memory, for Lirovant.exe, a bare RichEdit 2.0 control taking
// the same text in one step (this program run with --bare), and the notepad
// that Wine ships. Lirovant.exe is measured twice: as it takes a text in,
// and with a key pressed as soon as its window shows text, which makes it
// take the rest in in one step. Each is its own process, started with the
// file.
//
// The first screen counts as shown when the visible edit control of the
// process first answers WM_GETTEXTLENGTH with a non-zero length: the answer
// comes from its message loop, which paints the window before it takes the
// next piece. The whole text is in when the length first reaches the value
// it then keeps for two seconds.
//
//   intake_bench.exe Lirovant.exe [megabytes...] [U<megabytes as UTF-8>...]
//                    [L<kilobytes of one line>...]
#include <windows.h>

#include <richedit.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "sample_text.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds_Since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

// One line of Russian letters without a space or a line break.
std::string Long_Line_File(size_t size) {
  std::string out;
  for (size_t i = 0; i < size; ++i) out += char(0xE0 + i % 32);
  return out;
}

std::string Utf8_Of(const std::string& win1251) {
  const int units = MultiByteToWideChar(1251, 0, win1251.data(), int(win1251.size()), nullptr, 0);
  std::wstring wide(size_t(units), L'\0');
  MultiByteToWideChar(1251, 0, win1251.data(), int(win1251.size()), wide.data(), units);
  const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, nullptr, 0, nullptr, nullptr);
  std::string out(size_t(bytes), '\0');
  WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, out.data(), bytes, nullptr, nullptr);
  return out;
}

bool Write_File(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const BOOL ok = WriteFile(file, bytes.data(), DWORD(bytes.size()), &written, nullptr);
  CloseHandle(file);
  return ok && written == bytes.size();
}

std::string Read_File(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  LARGE_INTEGER size{};
  GetFileSizeEx(file, &size);
  std::string bytes(size_t(size.QuadPart), '\0');
  DWORD got = 0;
  ReadFile(file, bytes.data(), DWORD(bytes.size()), &got, nullptr);
  CloseHandle(file);
  bytes.resize(got);
  return bytes;
}

struct Memory_Counters {
  DWORD cb;
  DWORD PageFaultCount;
  SIZE_T PeakWorkingSetSize, WorkingSetSize, QuotaPeakPagedPoolUsage, QuotaPagedPoolUsage,
      QuotaPeakNonPagedPoolUsage, QuotaNonPagedPoolUsage, PagefileUsage, PeakPagefileUsage;
};

// The larger of the peak working set and the peak committed memory, in MB.
unsigned Peak_Megabytes(HANDLE process) {
  Memory_Counters counters{sizeof(Memory_Counters), 0, 0, 0, 0, 0, 0, 0, 0, 0};
  using Get = BOOL(WINAPI*)(HANDLE, Memory_Counters*, DWORD);
  auto get = reinterpret_cast<Get>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "K32GetProcessMemoryInfo")));
  if (!get || !get(process, &counters, sizeof counters)) return 0;
  const SIZE_T peak = std::max(counters.PeakWorkingSetSize, counters.PeakPagefileUsage);
  return unsigned(peak >> 20);
}

struct Search {
  DWORD process;
  const wchar_t* edit_class;
  HWND edit;
};

// The visible edit control of a visible top-level window of the process.
HWND Visible_Edit_Of(DWORD process, const wchar_t* edit_class) {
  Search search{process, edit_class, nullptr};
  EnumWindows(
      [](HWND top, LPARAM data) -> BOOL {
        auto* s = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(top, &owner);
        if (owner != s->process || !IsWindowVisible(top)) return TRUE;
        EnumChildWindows(
            top,
            [](HWND child, LPARAM data) -> BOOL {
              auto* s = reinterpret_cast<Search*>(data);
              wchar_t name[64] = {};
              GetClassNameW(child, name, 64);
              if (_wcsicmp(name, s->edit_class) != 0 || !IsWindowVisible(child)) return TRUE;
              s->edit = child;
              return FALSE;
            },
            data);
        return s->edit ? FALSE : TRUE;
      },
      LPARAM(&search));
  return search.edit;
}

struct Figures {
  double first = -1, whole = -1;
  unsigned peak_mb = 0;
};

// Starts the command and watches its edit control; ends the process after.
// With `at_once`, a key goes to the control as soon as it shows text, as a
// user's would: the program then takes the rest in in one step.
Figures Measure(const std::wstring& command, const wchar_t* edit_class, double limit_seconds,
                bool at_once = false) {
  Figures figures;
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  PROCESS_INFORMATION process{};
  std::wstring line = command;
  const auto start = Clock::now();
  if (!CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    return figures;
  LRESULT last = -1;
  Clock::time_point last_change = start;
  while (Seconds_Since(start) < limit_seconds) {
    HWND edit = Visible_Edit_Of(process.dwProcessId, edit_class);
    DWORD_PTR length = 0;
    if (edit && SendMessageTimeoutW(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_NORMAL, 60000, &length)) {
      if (LRESULT(length) != last) {
        last = LRESULT(length);
        last_change = Clock::now();
        if (length > 0 && figures.first < 0) {
          figures.first = Seconds_Since(start);
          // F24, which changes nothing and is bound to nothing.
          if (at_once) PostMessageW(edit, WM_KEYDOWN, VK_F24, 1);
        }
        figures.whole = std::chrono::duration<double>(last_change - start).count();
      } else if (length > 0 && std::chrono::duration<double>(Clock::now() - last_change).count() > 2.0) {
        break;
      }
    }
    Sleep(5);
  }
  figures.peak_mb = Peak_Megabytes(process.hProcess);
  TerminateProcess(process.hProcess, 0);
  WaitForSingleObject(process.hProcess, 10000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return figures;
}

// --bare FILE: a window of the main window's size with one RichEdit 2.0
// control that takes the file's text in one step, as Windows-1251 (or as
// UTF-8 with --bare-utf8), or in pieces with --bare-pieces.
int Run_Bare(const std::wstring& path, UINT code_page, bool in_pieces) {
  LoadLibraryW(L"riched20.dll");
  HWND window = CreateWindowExW(0, L"STATIC", L"bare", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 600, 400,
                                nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  HWND edit = CreateWindowExW(WS_EX_CLIENTEDGE, RICHEDIT_CLASSW, L"",
                              WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL, 0, 0, 584,
                              361, window, nullptr, GetModuleHandleW(nullptr), nullptr);
  SendMessageW(edit, EM_SETTEXTMODE, TM_PLAINTEXT, 0);
  SendMessageW(edit, EM_EXLIMITTEXT, 0, 2147483645);
  SendMessageW(edit, EM_SETUNDOLIMIT, 0, 0);
  // LV_BENCH_NO_WRAP: the control's lines are not wrapped, for a look at
  // what wrapping costs.
  if (GetEnvironmentVariableW(L"LV_BENCH_NO_WRAP", nullptr, 0)) SendMessageW(edit, EM_SETTARGETDEVICE, 0, 1);
  const std::string bytes = Read_File(path);
  std::wstring wide(bytes.size() + 1, L'\0');
  const int n =
      MultiByteToWideChar(code_page, 0, bytes.data(), int(bytes.size()), wide.data(), int(wide.size()));
  wide.resize(size_t(n));
  if (in_pieces) {
    // The control's own cost of a text that comes in pieces of 64 K at the
    // end, with drawing off, as the program feeds it.
    SendMessageW(edit, WM_SETREDRAW, FALSE, 0);
    for (size_t at = 0; at < wide.size(); at += 65536) {
      const std::wstring piece = wide.substr(at, 65536);
      SendMessageW(edit, EM_REPLACESEL, FALSE, LPARAM(piece.c_str()));
    }
    SendMessageW(edit, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(edit, nullptr, TRUE);
  } else {
    SETTEXTEX set{ST_DEFAULT, 1200};
    SendMessageW(edit, EM_SETTEXTEX, WPARAM(&set), LPARAM(wide.c_str()));
  }
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
  return 0;
}

struct Row {
  const char* who;
  std::wstring command;
  const wchar_t* edit_class;
  bool at_once;
  std::vector<Figures> runs;
};

// The median of each figure over the runs, and the largest peak.
Figures Median(std::vector<Figures> runs) {
  Figures out;
  const size_t middle = runs.size() / 2;
  std::sort(runs.begin(), runs.end(), [](const Figures& a, const Figures& b) { return a.first < b.first; });
  out.first = runs[middle].first;
  std::sort(runs.begin(), runs.end(), [](const Figures& a, const Figures& b) { return a.whole < b.whole; });
  out.whole = runs[middle].whole;
  for (const Figures& f : runs) out.peak_mb = std::max(out.peak_mb, f.peak_mb);
  return out;
}

void Print_Row(const char* who, const Figures& f) {
  std::printf("  %-16s first screen %7.2f s   whole text %7.2f s   peak memory %5u MB\n", who, f.first,
              f.whole, f.peak_mb);
  std::fflush(stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc >= 3 && std::wstring(argv[1]) == L"--bare") return Run_Bare(argv[2], 1251, false);
  if (argc >= 3 && std::wstring(argv[1]) == L"--bare-utf8") return Run_Bare(argv[2], CP_UTF8, false);
  if (argc >= 3 && std::wstring(argv[1]) == L"--bare-pieces") return Run_Bare(argv[2], 1251, true);
  if (argc < 2) {
    std::fprintf(stderr, "usage: intake_bench.exe Lirovant.exe [megabytes...] [L<kilobytes>...]\n");
    return 2;
  }
  const std::wstring program = argv[1];
  // "L200" stands for one line of 200 KB without a space.
  std::vector<std::wstring> sizes;
  for (int i = 2; i < argc; ++i) sizes.push_back(argv[i]);
  if (sizes.empty()) sizes = {L"1", L"10", L"50"};
  wchar_t self[MAX_PATH];
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  // LV_BENCH_RUNS: each figure the median of that many runs.
  wchar_t runs_text[16] = L"1";
  GetEnvironmentVariableW(L"LV_BENCH_RUNS", runs_text, 16);
  const int runs = std::max(1, _wtoi(runs_text));
  if (runs > 1) std::printf("each figure the median of %d runs\n", runs);
  for (const std::wstring& size : sizes) {
    const bool line = size[0] == L'L', utf8 = size[0] == L'U';
    const unsigned count = unsigned(_wtoi(size.c_str() + (line || utf8 ? 1 : 0)));
    const std::wstring path = std::wstring(temp) + L"lv_intake_" + size + L".txt";
    const std::string text = line ? Long_Line_File(size_t(count) << 10) : Sample_File(size_t(count) << 20);
    if (!Write_File(path, utf8 ? Utf8_Of(text) : text)) return 1;
    const double limit = line ? 60.0 : 60.0 + 4.0 * count;
    if (line)
      std::printf("one line of %u KB without a space, word wrap on:\n", count);
    else if (utf8)
      std::printf("%u MB Russian text as UTF-8 (%u MB in the file):\n", count,
                  unsigned(Utf8_Of(text).size() >> 20));
    else
      std::printf("%u MB Russian text:\n", count);
    const std::wstring open = L"\"" + program + L"\" \"" + path + L"\"";
    const std::wstring bare = L"\"" + std::wstring(self) + L"\" --bare";
    std::vector<Row> rows = {{"Lirovant.exe", open, L"RichEdit20W", false, {}}};
    // The one-step intake the program had before, as it still takes the
    // rest in when a key needs the whole text.
    if (!line) rows.push_back({"  in one step", open, L"RichEdit20W", true, {}});
    // LV_BENCH_NO_PEERS: the program alone, while working on it.
    if (!GetEnvironmentVariableW(L"LV_BENCH_NO_PEERS", nullptr, 0)) {
      rows.push_back(
          {"bare RichEdit", bare + (utf8 ? L"-utf8 \"" : L" \"") + path + L"\"", L"RichEdit20W", false, {}});
      // LV_BENCH_BARE_PIECES: the bare control fed in pieces as well, which
      // tells the control's own memory from what the program holds beside it.
      if (GetEnvironmentVariableW(L"LV_BENCH_BARE_PIECES", nullptr, 0) && !utf8)
        rows.push_back({"bare in pieces", bare + L"-pieces \"" + path + L"\"", L"RichEdit20W", false, {}});
      rows.push_back({"wine notepad", L"notepad.exe \"" + path + L"\"", L"Edit", false, {}});
    }
    // Round by round, so that a slow spell of a shared machine falls on
    // every row alike.
    for (int round = 0; round < runs; ++round)
      for (Row& row : rows) row.runs.push_back(Measure(row.command, row.edit_class, limit, row.at_once));
    for (const Row& row : rows) Print_Row(row.who, Median(row.runs));
    DeleteFileW(path.c_str());
  }
  return 0;
}
