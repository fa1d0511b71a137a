#include "zmk/zmk.h"

#include <windows.h>

#include <cstring>

#include "zmk/name_file.h"

int32_t __stdcall _NameFile_In_Path_(const char* path, char* buffer) {
  if (!path || !buffer) return 0;
  // The buffer holds as many bytes as the path and its zero: a name from the
  // path always fits, and nothing is written past it.
  return Name_File_In_Path(path, buffer, std::strlen(path) + 1) ? 1 : 0;
}

void __stdcall _Delay_(int32_t milliseconds) {
  if (milliseconds > 0) Sleep(DWORD(milliseconds));
}
