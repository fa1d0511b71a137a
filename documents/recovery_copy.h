#pragma once
// The recovery copy of a document with unsaved changes: its text as the
// edit area holds it and everything needed to bring it back as it was (its
// name, file encoding, line ends, caret, and the stamp of the file it came
// from). The copy ends in a checksum of all that precedes it, so that a copy
// cut short or damaged is told from a whole one and never loaded.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "documents/document.h"

struct Recovery_Copy {
  Document Doc;
  int32_t Caret = 0;
  // When the copy was written, as the system tells time (for the question).
  unsigned long long Written = 0;
  std::wstring Text;  // UTF-16 units, CR line breaks, as the edit area holds them
};

std::string Recovery_Copy_Bytes(const Recovery_Copy& copy);
// Nothing when the bytes are no whole recovery copy.
std::optional<Recovery_Copy> Read_Recovery_Copy(std::string_view bytes);
