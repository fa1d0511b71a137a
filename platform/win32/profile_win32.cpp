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
  const std::string ansi_section = To_Ansi(section), ansi_key = To_Ansi(key), file = To_Ansi(path_);
  // A value that fills the buffer may have been cut: the buffer grows until
  // the whole value fits, however long a path the history holds.
  std::string buffer(2048, '\0');
  for (;;) {
    const DWORD got = GetPrivateProfileStringA(ansi_section.c_str(), ansi_key.c_str(), kAbsent, buffer.data(),
                                               DWORD(buffer.size()), file.c_str());
    if (got + 1 < buffer.size() || buffer.size() >= (1u << 20)) {
      buffer.resize(got);
      break;
    }
    buffer.resize(buffer.size() * 2);
  }
  if (buffer == kAbsent) return std::nullopt;
  return From_Ansi(buffer);
}

bool Win32_Profile::Write(const std::string& section, const std::string& key, const std::string& value) {
  return WritePrivateProfileStringA(To_Ansi(section).c_str(), To_Ansi(key).c_str(), To_Ansi(value).c_str(),
                                    To_Ansi(path_).c_str()) != FALSE;
}
