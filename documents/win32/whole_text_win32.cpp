#include "documents/win32/whole_text_win32.h"

#include <richedit.h>

#include <map>
#include <new>

#include "app/win32/forma.h"

namespace {

// What a control was last shown with; a parked control catches up with any
// change made meanwhile when it is shown again.
struct View {
  Text_Font_Spec font;
  int32_t back = 0;
  bool wrap = true;
};

bool Same_Font(const Text_Font_Spec& a, const Text_Font_Spec& b) {
  return a.Name == b.Name && a.Size == b.Size && a.Style == b.Style && a.Charset == b.Charset &&
         a.Color == b.Color;
}

View Current_View() { return {Forma.Text_Font, Forma.Back_Color, Forma.Word_Wrap}; }

HWND Handle_Of(Text_Holders::Id id) { return reinterpret_cast<HWND>(id); }

void Take_Place_Of(HWND edit, HWND other) {
  RECT place{};
  GetWindowRect(other, &place);
  MapWindowPoints(nullptr, GetParent(other), reinterpret_cast<POINT*>(&place), 2);
  MoveWindow(edit, place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
}

class Edit_Controls : public Text_Holders {
 public:
  Id Current() override { return Id(Forma.RxRichEdit.Handle()); }

  Id Make_With(const std::string& text) override {
    HWND edit = Rich_Edit::Create(Forma.Handle, GetDlgCtrlID(Forma.RxRichEdit.Handle()), Forma.Word_Wrap);
    if (!edit) throw std::bad_alloc();
    ShowWindow(edit, SW_HIDE);
    // Lines are wrapped as the text comes in, so the control has its final
    // size before it gets the text.
    Take_Place_Of(edit, Forma.RxRichEdit.Handle());
    Rich_Edit control(edit);
    control.Set_Undo_Limit(Forma.RxRichEdit.Undo_Limit());
    control.Set_Background(Forma.Back_Color);
    control.Set_Word_Wrap(Forma.Word_Wrap);
    if (Forma.Font_Handle) control.Apply_Font(Forma.Text_Font, Forma.Font_Handle);
    control.Set_Text(text);
    control.Set_Modified(true);
    views_[edit] = Current_View();
    return Id(edit);
  }

  void Show(Id id) override {
    HWND old = Forma.RxRichEdit.Handle();
    HWND edit = Handle_Of(id);
    if (edit == old) return;
    views_[old] = Current_View();
    Catch_Up(edit);
    Take_Place_Of(edit, old);
    const bool had_focus = GetFocus() == old;
    Forma.RxRichEdit.Attach(edit);
    // Whatever the steps in between, the shown text is not the saved one.
    Forma.RxRichEdit.Set_Modified(true);
    ShowWindow(edit, SW_SHOW);
    if (had_focus) SetFocus(edit);
    ShowWindow(old, SW_HIDE);
    Refresh_Status();
  }

  void Drop(Id id) override {
    HWND edit = Handle_Of(id);
    views_.erase(edit);
    if (edit != Forma.RxRichEdit.Handle()) DestroyWindow(edit);
  }

  bool Can_Undo(Id id) override { return SendMessageW(Handle_Of(id), EM_CANUNDO, 0, 0) != 0; }
  bool Can_Redo(Id id) override { return SendMessageW(Handle_Of(id), EM_CANREDO, 0, 0) != 0; }
  void Undo(Id id) override { SendMessageW(Handle_Of(id), EM_UNDO, 0, 0); }
  void Redo(Id id) override { SendMessageW(Handle_Of(id), EM_REDO, 0, 0); }
  int32_t Undo_Limit() override { return Forma.RxRichEdit.Undo_Limit(); }
  std::size_t Length(Id id) override { return std::size_t(Rich_Edit(Handle_Of(id)).Text_Length()); }

 private:
  void Catch_Up(HWND edit) {
    const View now = Current_View();
    const auto found = views_.find(edit);
    if (found == views_.end()) return;
    const View& then = found->second;
    Rich_Edit control(edit);
    control.Set_Undo_Limit(Forma.RxRichEdit.Undo_Limit());
    if (then.back != now.back) control.Set_Background(now.back);
    if (then.wrap != now.wrap) control.Set_Word_Wrap(now.wrap);
    if (!Same_Font(then.font, now.font) && Forma.Font_Handle) control.Apply_Font(now.font, Forma.Font_Handle);
  }

  std::map<HWND, View> views_;
};

}  // namespace

Whole_Text_History& Document_History() {
  static Edit_Controls controls;
  static Whole_Text_History history(controls);
  return history;
}

void Replace_Whole_Text(const std::string& text, bool undoable) {
  Document_History().Replace(text, undoable);
  const int32_t end = Forma.RxRichEdit.Text_Length();
  Forma.RxRichEdit.Set_Selection(end, end);
}

bool Whole_Text_Selected() {
  const Selection sel = Forma.RxRichEdit.Get_Selection();
  const int32_t length = Forma.RxRichEdit.Text_Length();
  return length > 0 && sel.Start <= 0 && (sel.End < 0 || sel.End >= length);
}

std::string Document_Edit_Area::Text() { return Forma.RxRichEdit.Text(); }
void Document_Edit_Area::Set_Text(const std::string& text) { Forma.RxRichEdit.Set_Text(text); }
int32_t Document_Edit_Area::Text_Length() { return Forma.RxRichEdit.Text_Length(); }
Selection Document_Edit_Area::Get_Selection() { return Forma.RxRichEdit.Get_Selection(); }
void Document_Edit_Area::Set_Selection(int32_t start, int32_t end) {
  Forma.RxRichEdit.Set_Selection(start, end);
}
std::string Document_Edit_Area::Selected_Text() { return Forma.RxRichEdit.Selected_Text(); }

void Document_Edit_Area::Replace_Selection(const std::string& text) {
  if (Whole_Text_Selected()) {
    Replace_Whole_Text(text, true);
  } else {
    Forma.RxRichEdit.Replace_Selection(text);
  }
}

int32_t Document_Edit_Area::Line_Count() { return Forma.RxRichEdit.Line_Count(); }
int32_t Document_Edit_Area::Line_From_Char(int32_t offset) { return Forma.RxRichEdit.Line_From_Char(offset); }
int32_t Document_Edit_Area::Line_Index(int32_t line) { return Forma.RxRichEdit.Line_Index(line); }
int32_t Document_Edit_Area::Line_Length(int32_t line) { return Forma.RxRichEdit.Line_Length(line); }
bool Document_Edit_Area::Modified() { return Forma.RxRichEdit.Modified(); }
void Document_Edit_Area::Set_Modified(bool modified) { Forma.RxRichEdit.Set_Modified(modified); }
int32_t Document_Edit_Area::Undo_Limit() { return Forma.RxRichEdit.Undo_Limit(); }
void Document_Edit_Area::Set_Undo_Limit(int32_t limit) { Forma.RxRichEdit.Set_Undo_Limit(limit); }
