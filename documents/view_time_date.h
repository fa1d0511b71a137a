#pragma once
// "Время/Дата": the current time and date in the system's formats.
#include <string>

#include "platform/edit_area.h"

// The system clock written in the user's formats, as Windows-1251 text.
class Clock_Text {
 public:
  virtual ~Clock_Text() = default;
  virtual std::string Long_Time() = 0;   // e.g. "9:05:33"
  virtual std::string Short_Date() = 0;  // e.g. "07.12.26"
};

// Hours and minutes of `long_time` (up to two characters after its first
// ":"), a space and `short_date`; a "0" goes in front when the result is
// shorter than 14 characters, that is for a one-digit hour with a
// two-digit year.
std::string Time_Date_Text(const std::string& long_time, const std::string& short_date);

// Replaces the selection (or inserts at the caret) as one edit.
void Insert_Time_Date(Edit_Area& edit, Clock_Text& clock);
