// The whole help file: a 16-byte header, the internal files each behind a
// 9-byte file header, and the directory of internal files as a B+ tree.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tools/winhelp/bytes.h"
#include "tools/winhelp/help_source.h"

namespace winhelp {

constexpr std::uint32_t kHelpFileMagic = 0x00035F3F;
constexpr std::uint16_t kSystemMagic = 0x036C;
constexpr std::uint16_t kFormatMinor = 33;  // the 4.0 generation: charset and LCID records
constexpr std::uint16_t kCharsetRussian = 204;
constexpr std::uint16_t kLcidRussian = 0x0419;
constexpr std::uint8_t kFileFlags = 4;

// System record types.
constexpr std::uint16_t kSysTitle = 1;
constexpr std::uint16_t kSysContents = 3;
constexpr std::uint16_t kSysWindow = 6;
constexpr std::uint16_t kSysLcid = 9;
constexpr std::uint16_t kSysCharset = 11;

using InternalFile = std::pair<std::string, Bytes>;  // name, content

// Lays internal files out behind the header and appends the directory.
Bytes build_container(std::vector<InternalFile> files);

// The help file of a finished project (see finish_project).
Bytes build_help_file(const HelpProject& project);

}  // namespace winhelp
