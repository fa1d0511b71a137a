#include "documents/view_time_date.h"

namespace {
constexpr size_t kPaddedLength = 14;
}

std::string Time_Date_Text(const std::string& long_time, const std::string& short_date) {
  const size_t colon = long_time.find(':');
  const size_t hours_minutes = colon == std::string::npos ? 2 : colon + 3;
  const std::string text = long_time.substr(0, hours_minutes) + " " + short_date;
  return text.size() >= kPaddedLength ? text : "0" + text;
}

void Insert_Time_Date(Edit_Area& edit, Clock_Text& clock) {
  const std::string time = clock.Long_Time();
  const std::string date = clock.Short_Date();
  edit.Replace_Selection(Time_Date_Text(time, date));
}
