#pragma once
// One pass of replace all over the whole text, in memory: one walk from the
// start to the end, so that it costs what the text is long, however many
// matches it holds.
#include <cstdint>
#include <string>

#include "common/text_match.h"
#include "platform/progress.h"

struct Replaced_Text {
  std::wstring Text;
  std::int32_t Count = 0;  // the replacements made
};

// `text` as the control holds it, with every match of `what` that starts at
// `from` or behind it replaced by `with` (both Windows-1251), left to right:
// the walk goes on behind each match, so matches never overlap and the
// replacement is never searched. Matching reads the text as find does
// (common/text_match.h: Windows-1251, a character the page lacks as '?');
// everything between the matches stays exactly as it was. on_position gets
// the offsets passed, for the progress display.
Replaced_Text Replace_Matches(const std::wstring& text, std::size_t from, const std::string& what,
                              const std::string& with, Find_Options options,
                              const Position_Callback& on_position = {});
