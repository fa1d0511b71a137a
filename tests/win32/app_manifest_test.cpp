// The program carries its manifest, and a program built with it, as these
// tests are, runs with the common controls of visual styles and aware of
// each monitor's scale.
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0A00
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

std::wstring Beside_This_Program(const wchar_t* name) {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path);
  return folder.substr(0, folder.find_last_of(L'\\') + 1) + name;
}

// Resource 1 of type RT_MANIFEST, as the system reads it when it starts the program.
std::string Manifest_Of(const std::wstring& program) {
  HMODULE module = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  if (!module) return {};
  std::string text;
  if (HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24))) {
    const char* bytes = static_cast<const char*>(LockResource(LoadResource(module, found)));
    if (bytes) text.assign(bytes, SizeofResource(module, found));
  }
  FreeLibrary(module);
  return text;
}

}  // namespace

TEST(Manifest, TheProgramAsksForVisualStylesItsWindowsAndPerMonitorScaling) {
  const std::string manifest = Manifest_Of(Beside_This_Program(L"Lirovant.exe"));
  ASSERT_FALSE(manifest.empty()) << "Lirovant.exe has no manifest";
  const auto has = [&manifest](const char* part) { return manifest.find(part) != std::string::npos; };
  EXPECT_TRUE(has("name=\"Microsoft.Windows.Common-Controls\" version=\"6.0.0.0\""));
  // Windows 7, 8, 8.1, 10 and 11.
  for (const char* os : {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                         "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
    EXPECT_TRUE(has((std::string("<supportedOS Id=\"") + os + "\"/>").c_str())) << os;
  EXPECT_TRUE(has(">PerMonitorV2, PerMonitor</dpiAwareness>"));
  EXPECT_TRUE(has(">true/pm</dpiAware>"));
  EXPECT_TRUE(has("<requestedExecutionLevel level=\"asInvoker\""));
}

TEST(Manifest, TakesEffectInAProgramThatCarriesIt) {
  // The common controls come from the side-by-side assembly of version 6
  // rather than the system folder's older ones.
  ACTCTX_SECTION_KEYED_DATA found{};
  found.cbSize = sizeof found;
  EXPECT_TRUE(FindActCtxSectionStringW(0, nullptr, ACTIVATION_CONTEXT_SECTION_DLL_REDIRECTION,
                                       L"comctl32.dll", &found));
  wchar_t loaded[MAX_PATH] = {};
  GetModuleFileNameW(GetModuleHandleW(L"comctl32.dll"), loaded, MAX_PATH);
  CharLowerW(loaded);
  EXPECT_NE(std::wstring(loaded).find(L"\\winsxs\\"), std::wstring::npos) << loaded;
  EXPECT_EQ(GetAwarenessFromDpiAwarenessContext(GetThreadDpiAwarenessContext()),
            DPI_AWARENESS_PER_MONITOR_AWARE);
}
