#pragma once
// The Win32 sides of the view commands' seams, shared with printing.
#include <windows.h>

#include <richedit.h>

#include "documents/view_area.h"
#include "documents/view_time_date.h"
#include "platform/win32/edit_area_win32.h"

// A font for the given device resolution (dots per inch, vertically).
HFONT Create_Text_Font(const Text_Font_Spec& font, int dpi);

class Rich_Edit_View : public View_Area {
 public:
  // `font_slot` keeps the control's font object alive; it is replaced, and
  // the old one deleted, whenever the default font changes.
  Rich_Edit_View(Rich_Edit& edit, HFONT& font_slot) : edit_(edit), font_slot_(font_slot) {}
  int32_t Selection_Font_Size() override;
  void Set_Selection_Font_Size(int32_t points) override;
  void Set_Selection_Font(const Text_Font_Spec& font) override;
  void Set_Default_Font(const Text_Font_Spec& font) override;
  void Set_Word_Wrap(bool on) override { edit_.Set_Word_Wrap(on); }

 private:
  void Set_Selection_Format(CHARFORMAT2W& format);
  Rich_Edit& edit_;
  HFONT& font_slot_;
};

// The clock in the user's long time and short date formats; a fixed time and
// explicit format pictures may be given instead of the current ones.
class Win32_Clock_Text : public Clock_Text {
 public:
  Win32_Clock_Text() = default;
  Win32_Clock_Text(const SYSTEMTIME& fixed, const wchar_t* time_picture, const wchar_t* date_picture)
      : fixed_(fixed), has_fixed_(true), time_picture_(time_picture), date_picture_(date_picture) {}
  std::string Long_Time() override;
  std::string Short_Date() override;

 private:
  SYSTEMTIME fixed_{};
  bool has_fixed_ = false;
  const wchar_t* time_picture_ = nullptr;
  const wchar_t* date_picture_ = nullptr;
};
