#pragma once
// The edit area over the RichEdit 2.0 control in plain-text mode. The
// control speaks UTF-16; the document is Windows-1251, converted here.
#include <windows.h>

#include "common/settings_model.h"
#include "platform/edit_area.h"

class Rich_Edit : public Edit_Area {
 public:
  // Loads the control's library and creates the control as a child of `parent`.
  static HWND Create(HWND parent, int id, bool word_wrap, bool scroll_bars = true);
  explicit Rich_Edit(HWND control = nullptr) : hwnd_(control) {}
  void Attach(HWND control) { hwnd_ = control; }
  HWND Handle() const { return hwnd_; }

  std::string Text() override;
  void Set_Text(const std::string& text) override;
  int32_t Text_Length() override;
  Selection Get_Selection() override;
  void Set_Selection(int32_t start, int32_t end) override;
  std::string Selected_Text() override;
  void Replace_Selection(const std::string& text) override;
  int32_t Line_Count() override;
  int32_t Line_From_Char(int32_t offset) override;
  int32_t Line_Index(int32_t line) override;
  int32_t Line_Length(int32_t line) override;
  bool Modified() override;
  void Set_Modified(bool modified) override;
  int32_t Undo_Limit() override;
  void Set_Undo_Limit(int32_t limit) override;

  // The whole text as the control holds it, and a new text given that way:
  // the Unicode documents travel so.
  std::wstring Control_Text();
  void Set_Control_Text(const std::wstring& wide);
  // The text between two offsets, as the document's bytes and as the control holds it.
  std::string Text_Range(int32_t start, int32_t end);
  std::wstring Control_Text_Range(int32_t start, int32_t end);
  // Formatting of the whole text; the modified flag is left as it was.
  void Apply_Font(const Text_Font_Spec& font, HFONT handle);
  void Set_Background(int32_t colour);
  void Set_Word_Wrap(bool on);
  // As last set through this object; a control is made wrapping.
  bool Word_Wrap() const { return wrap_; }
  // The control draws its text at the system's DPI whatever monitor it is
  // on; at another DPI it is zoomed to it.
  void Set_Dpi(int dpi);

 private:
  HWND hwnd_;
  bool wrap_ = true;
};

COLORREF Resolve_Colour(int32_t colour);
