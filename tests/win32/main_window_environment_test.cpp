// Every Win32 test that creates the real main window gets its settings file
// in a fresh folder of its own, never the one beside the test program.
#include <gtest/gtest.h>
#include <windows.h>

#include "app/win32/main_window.h"

namespace {

class Main_Window_Environment : public ::testing::Environment {
 public:
  void SetUp() override {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    const std::wstring folder = std::wstring(base) + L"lirovant_forma";
    CreateDirectoryW(folder.c_str(), nullptr);
    DeleteFileW((folder + L"\\Lirovant.ini").c_str());
    if (!Forma.Handle) Forma.Exe_Path = Narrow(folder) + "\\Lirovant.exe";
  }
};

const auto* const environment = ::testing::AddGlobalTestEnvironment(new Main_Window_Environment);

}  // namespace
