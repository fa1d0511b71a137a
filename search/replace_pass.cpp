#include "search/replace_pass.h"

#include "common/control_text.h"

namespace {

// Positions are reported once per this many, so that the walk stays a
// tight loop.
constexpr std::size_t kReportEvery = 4096;

}  // namespace

Replaced_Text Replace_Matches(const std::wstring& text, std::size_t from, const std::string& what,
                              const std::string& with, Find_Options options,
                              const Position_Callback& on_position) {
  Replaced_Text out;
  if (what.empty() || from > text.size()) {
    out.Text = text;
    return out;
  }
  // Offset for offset the text as find reads it.
  const std::string bytes = Control_Text_To_Document(text);
  const std::wstring wide_with = Document_To_Control_Text(with);
  out.Text.reserve(text.size());
  out.Text.append(text, 0, from);
  std::size_t kept_from = from;  // the start of the text not yet copied
  std::size_t next_report = from + kReportEvery;
  for (std::size_t at = from; at + what.size() <= bytes.size();) {
    if (at >= next_report) {
      Report_Position(on_position, std::int64_t(at));
      next_report = at + kReportEvery;
    }
    if (!Matches_At(bytes, at, what, options)) {
      ++at;
      continue;
    }
    out.Text.append(text, kept_from, at - kept_from).append(wide_with);
    ++out.Count;
    at += what.size();
    kept_from = at;
  }
  out.Text.append(text, kept_from, std::wstring::npos);
  Report_Position(on_position, std::int64_t(text.size()));
  return out;
}
