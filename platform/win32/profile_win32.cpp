#include "platform/win32/profile_win32.h"

#include <windows.h>

#include "platform/win32/platform_win32.h"

namespace {
// A default no settings file can hold tells an absent key from an empty one.
constexpr const char* kAbsent =
    "\x01\x02"
    "absent"
    "\x03";
}  // namespace

std::optional<std::string> Win32_Profile::Read(const std::string& section, const std::string& key) {
  char buffer[2048];
  GetPrivateProfileStringA(To_Ansi(section).c_str(), To_Ansi(key).c_str(), kAbsent, buffer, sizeof buffer,
                           To_Ansi(path_).c_str());
  if (std::string(buffer) == kAbsent) return std::nullopt;
  return From_Ansi(buffer);
}

bool Win32_Profile::Write(const std::string& section, const std::string& key, const std::string& value) {
  return WritePrivateProfileStringA(To_Ansi(section).c_str(), To_Ansi(key).c_str(), To_Ansi(value).c_str(),
                                    To_Ansi(path_).c_str()) != FALSE;
}
