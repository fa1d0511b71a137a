#include "zmk/name_file.h"

#include <cstring>

bool Name_File_In_Path(const char* path, char* buffer, std::size_t size) {
  if (!buffer || size == 0) return false;
  buffer[0] = '\0';
  if (!path) return false;
  const char* name = path;
  for (const char* p = path; *p; ++p)
    if (*p == '\\' || *p == '/' || *p == ':') name = p + 1;
  const std::size_t length = std::strlen(name);
  if (length == 0 || length >= size) return false;
  std::memcpy(buffer, name, length + 1);
  return true;
}
