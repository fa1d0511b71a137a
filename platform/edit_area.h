#pragma once
// The edit area as the commands see it: the working text (Windows-1251, every
// line break a single CR), character offsets, the control's lines (display
// lines under word wrap), the modified flag and the undo limit.
#include <cstdint>
#include <string>

struct Selection {
  int32_t Start = 0;
  int32_t End = 0;
};

class Edit_Area {
 public:
  virtual ~Edit_Area() = default;
  virtual std::string Text() = 0;
  virtual void Set_Text(const std::string& text) = 0;  // not undoable
  virtual int32_t Text_Length() = 0;
  virtual Selection Get_Selection() = 0;
  virtual void Set_Selection(int32_t start, int32_t end) = 0;
  virtual std::string Selected_Text() = 0;
  virtual void Replace_Selection(const std::string& text) = 0;  // one undoable edit
  virtual int32_t Line_Count() = 0;
  virtual int32_t Line_From_Char(int32_t offset) = 0;
  virtual int32_t Line_Index(int32_t line) = 0;
  virtual int32_t Line_Length(int32_t line) = 0;
  virtual bool Modified() = 0;
  virtual void Set_Modified(bool modified) = 0;
  virtual int32_t Undo_Limit() = 0;
  virtual void Set_Undo_Limit(int32_t limit) = 0;
};
