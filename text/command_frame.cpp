#include "text/command_frame.h"

#include "common/win1251_unicode.h"
#include "platform/status_text.h"

std::vector<std::size_t> Line_Starts_Of(Edit_Area& edit) {
  std::vector<std::size_t> starts;
  const std::int32_t count = edit.Line_Count();
  starts.reserve(std::size_t(count > 0 ? count : 0));
  for (std::int32_t line = 0; line < count; ++line) {
    const std::int32_t start = edit.Line_Index(line);
    if (start < 0) break;
    starts.push_back(std::size_t(start));
  }
  return starts;
}

bool Refuse_Outside_Win1251(Text_Command_Host& host, const Kept_Text& text) {
  for (const std::wstring& kept : text.Kept) {
    if (kept == std::wstring(1, wchar_t(kStandIn))) continue;  // a control character of the page
    host.window.Notice(Outside_Win1251_Refusal(kept));
    return true;
  }
  return false;
}
