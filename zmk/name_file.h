#pragma once
// The file-name part of a path, for the save dialog's proposal.
#include <cstddef>

// Writes the part after the last "\", "/" or ":" of `path` into `buffer`
// (at most `size` bytes with its terminating zero). Returns false, leaving
// an empty buffer, when there is no such part.
bool Name_File_In_Path(const char* path, char* buffer, std::size_t size);
