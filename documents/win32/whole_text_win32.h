#pragma once
// The control that holds the document, whole-text replacement in it, and the
// undo history that reaches across replacements (see
// documents/whole_text_history.h).
#include <functional>
#include <memory>
#include <string>

#include "documents/whole_text_history.h"
#include "platform/edit_area.h"
#include "platform/whole_text.h"
#include "platform/win32/edit_area_win32.h"
#include "platform/win32/text_intake_win32.h"
#include "platform/win32/text_look.h"

class Document_Control;

// The document's edit area, whichever control holds the document at the
// moment; replacing a selection that covers the whole text replaces the text.
// While a long text is still coming in, a selection beyond what is in waits
// for its text, the length is the whole text's, and whatever reads or
// changes the text takes the rest in first.
class Document_Edit_Area : public Edit_Area {
 public:
  explicit Document_Edit_Area(Document_Control& control) : control_(control) {}
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

 private:
  Rich_Edit& edit();
  // The shown control is still taking its text in.
  bool Coming_In();
  // The edit area with its whole text.
  Rich_Edit& whole();
  Document_Control& control_;
};

class Document_Control : public Whole_Text_Edits {
 public:
  // `edit` is the main window's edit area; a replacement attaches it to the
  // new control, which takes its text through `intake`. `refresh_status`
  // runs whenever another control is shown.
  Document_Control(Rich_Edit& edit, const Text_Look& look, Text_Intake& intake,
                   std::function<void()> refresh_status);
  ~Document_Control() override;
  Document_Control(const Document_Control&) = delete;
  Document_Control& operator=(const Document_Control&) = delete;

  Rich_Edit& Edit() { return edit_; }
  Text_Intake& Intake() { return intake_; }
  Edit_Area& Area() { return area_; }
  Whole_Text_History& History() { return history_; }

  std::wstring Whole_Text() override;
  bool Whole_Text_Selected() override;
  void Replace_Whole_Text(const std::wstring& text, bool undoable) override;
  void Forget_History() override { history_.Forget(); }

 private:
  class Edit_Controls;
  Rich_Edit& edit_;
  Text_Intake& intake_;
  std::unique_ptr<Edit_Controls> controls_;
  Whole_Text_History history_;
  Document_Edit_Area area_;
};
