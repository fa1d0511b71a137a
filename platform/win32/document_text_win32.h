#pragma once
// The whole document in and out of a RichEdit control, NUL bytes included,
// and rich text through the control's RTF stream.
#include <windows.h>

#include "platform/document_text.h"
#include "platform/win32/edit_area_win32.h"
#include "platform/win32/text_intake_win32.h"

class Rich_Edit_Document : public Document_Text {
 public:
  // With an intake, a long text goes in a screen first and the rest later.
  explicit Rich_Edit_Document(HWND control, Text_Intake* intake = nullptr)
      : own_(control), edit_(&own_), intake_(intake) {}
  // Follows the edit area when the main window gives it a new control.
  explicit Rich_Edit_Document(Rich_Edit& edit, Text_Intake* intake = nullptr)
      : edit_(&edit), intake_(intake) {}
  Rich_Edit_Document(const Rich_Edit_Document&) = delete;
  Rich_Edit_Document& operator=(const Rich_Edit_Document&) = delete;
  void Put(const std::string& text) override;
  void Put_File(Shared_File_Bytes bytes, File_Encoding encoding, const File_Survey& survey) override;
  std::string Take() override;
  void Put_Unicode(const std::wstring& text) override;
  std::wstring Take_Unicode() override;
  // Pieces of at least Set_Piece_Chars characters, so that a worker can
  // write one while the next is read.
  bool Take_Pieces(const std::function<bool(Text_Piece)>& sink) override;
  void Set_Piece_Chars(int32_t chars) { piece_chars_ = chars > 0 ? chars : 1; }
  bool Caret_Waits_For_Text(int32_t offset) override;
  std::optional<int32_t> Waiting_Caret() override;
  Memory_Need Memory_For(std::size_t units, std::size_t lines, std::size_t longest_run) override;
  bool Put_Rich(const std::string& rtf) override;
  std::string Take_Rich() override;

 private:
  HWND Control() const { return edit_->Handle(); }
  void Put_Control_Text(std::wstring wide);
  int32_t piece_chars_ = int32_t(4) << 20;
  Rich_Edit own_;
  Rich_Edit* edit_;
  Text_Intake* intake_ = nullptr;
};
