#pragma once
// Whole-text replacement in the main window's edit area, and the undo history
// that reaches across it (see documents/whole_text_history.h).
#include <string>

#include "documents/whole_text_history.h"
#include "platform/edit_area.h"

Whole_Text_History& Document_History();

// Puts the text in place of the whole document through a new control; the
// caret stands behind the new text and the document is modified.
void Replace_Whole_Text(const std::string& text, bool undoable);

// Whether the selection covers the whole, non-empty text.
bool Whole_Text_Selected();

// The main window's edit area, whichever control holds the document at the
// moment; replacing a selection that covers the whole text replaces the text.
class Document_Edit_Area : public Edit_Area {
 public:
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
};
