#pragma once
// Our small utility library zmk.dll.
#include <cstdint>

#ifdef ZMK_BUILD
#define ZMK_API extern "C" __declspec(dllexport)
#else
#define ZMK_API extern "C" __declspec(dllimport)
#endif

// The file-name part of `path` into `buffer`, which the caller makes as long
// as the path (its length plus the zero); non-zero when a name was produced.
ZMK_API int32_t __stdcall _NameFile_In_Path_(const char* path, char* buffer);
// Returns after about `milliseconds`.
ZMK_API void __stdcall _Delay_(int32_t milliseconds);
