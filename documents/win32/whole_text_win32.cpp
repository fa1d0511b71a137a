#include "documents/win32/whole_text_win32.h"

#include <richedit.h>

#include <map>
#include <memory>

#include "common/control_text.h"

namespace {

// The system made no control for a replacement (out of window handles or
// memory): the replacement goes into the shown control instead.
struct Control_Not_Made {};

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

View Current_View(const Text_Look& look) { return {look.Font, look.Back_Color, look.Word_Wrap}; }

HWND Handle_Of(Text_Holders::Id id) { return reinterpret_cast<HWND>(id); }

void Take_Place_Of(HWND edit, HWND other) {
  RECT place{};
  GetWindowRect(other, &place);
  MapWindowPoints(nullptr, GetParent(other), reinterpret_cast<POINT*>(&place), 2);
  MoveWindow(edit, place.left, place.top, place.right - place.left, place.bottom - place.top, FALSE);
}

}  // namespace

// The document's controls: the shown one and those parked as undo steps,
// all children of the main window with the edit area's id.
class Document_Control::Edit_Controls : public Text_Holders {
 public:
  Edit_Controls(Rich_Edit& edit, const Text_Look& look, Text_Intake& intake,
                std::function<void()> refresh_status)
      : edit_(edit), look_(look), intake_(intake), refresh_status_(std::move(refresh_status)) {}

  Id Current() override { return Id(edit_.Handle()); }

  Id Make_With(const std::wstring& text) override {
    HWND edit = Rich_Edit::Create(GetParent(edit_.Handle()), GetDlgCtrlID(edit_.Handle()), look_.Word_Wrap);
    if (!edit) throw Control_Not_Made();
    ShowWindow(edit, SW_HIDE);
    // Lines are wrapped as the text comes in, so the control has its final
    // size before it gets the text.
    Take_Place_Of(edit, edit_.Handle());
    Rich_Edit control(edit);
    control.Set_Undo_Limit(edit_.Undo_Limit());
    control.Set_Background(look_.Back_Color);
    control.Set_Word_Wrap(look_.Word_Wrap);
    if (look_.Font_Handle) control.Apply_Font(look_.Font, look_.Font_Handle);
    intake_.Begin(edit, text);
    control.Set_Modified(true);
    views_[edit] = Current_View(look_);
    return Id(edit);
  }

  void Show(Id id) override {
    HWND old = edit_.Handle();
    HWND edit = Handle_Of(id);
    if (edit == old) return;
    views_[old] = Current_View(look_);
    Catch_Up(edit);
    Take_Place_Of(edit, old);
    const bool had_focus = GetFocus() == old;
    edit_.Attach(edit);
    // Whatever the steps in between, the shown text is not the saved one.
    edit_.Set_Modified(true);
    ShowWindow(edit, SW_SHOW);
    if (had_focus) SetFocus(edit);
    ShowWindow(old, SW_HIDE);
    refresh_status_();
  }

  void Drop(Id id) override {
    HWND edit = Handle_Of(id);
    views_.erase(edit);
    if (edit == intake_.Control()) intake_.Stop();
    if (edit != edit_.Handle()) DestroyWindow(edit);
  }

  bool Can_Undo(Id id) override { return SendMessageW(Handle_Of(id), EM_CANUNDO, 0, 0) != 0; }
  bool Can_Redo(Id id) override { return SendMessageW(Handle_Of(id), EM_CANREDO, 0, 0) != 0; }
  void Undo(Id id) override { SendMessageW(Handle_Of(id), EM_UNDO, 0, 0); }
  void Redo(Id id) override { SendMessageW(Handle_Of(id), EM_REDO, 0, 0); }
  int32_t Undo_Limit() override { return edit_.Undo_Limit(); }
  std::size_t Length(Id id) override { return std::size_t(Rich_Edit(Handle_Of(id)).Text_Length()); }

 private:
  void Catch_Up(HWND edit) {
    const View now = Current_View(look_);
    const auto found = views_.find(edit);
    if (found == views_.end()) return;
    const View& then = found->second;
    Rich_Edit control(edit);
    control.Set_Undo_Limit(edit_.Undo_Limit());
    if (then.back != now.back) control.Set_Background(now.back);
    if (then.wrap != now.wrap) control.Set_Word_Wrap(now.wrap);
    if (!Same_Font(then.font, now.font) && look_.Font_Handle) control.Apply_Font(now.font, look_.Font_Handle);
  }

  Rich_Edit& edit_;
  const Text_Look& look_;
  Text_Intake& intake_;
  std::function<void()> refresh_status_;
  std::map<HWND, View> views_;
};

Document_Control::Document_Control(Rich_Edit& edit, const Text_Look& look, Text_Intake& intake,
                                   std::function<void()> refresh_status)
    : edit_(edit),
      intake_(intake),
      controls_(std::make_unique<Edit_Controls>(edit, look, intake, std::move(refresh_status))),
      history_(*controls_),
      area_(*this) {}

Document_Control::~Document_Control() = default;

void Document_Control::Replace_Whole_Text(const std::wstring& text, bool undoable) {
  // The control parked as the undo step keeps the whole of its text.
  intake_.Finish();
  try {
    history_.Replace(text, undoable);
  } catch (const Control_Not_Made&) {
    // Slower, and its undo is the control's own, but nothing is lost.
    edit_.Set_Selection(0, -1);
    SendMessageW(edit_.Handle(), EM_REPLACESEL, undoable, LPARAM(text.c_str()));
  }
  if (intake_.Place_Caret_Later(int32_t(intake_.Total()))) return;
  const int32_t end = edit_.Text_Length();
  edit_.Set_Selection(end, end);
}

std::wstring Document_Control::Whole_Text() {
  intake_.Finish();
  return edit_.Control_Text();
}

bool Document_Control::Whole_Text_Selected() {
  const Selection sel = area_.Get_Selection();
  const int32_t length = area_.Text_Length();
  return length > 0 && sel.Start <= 0 && (sel.End < 0 || sel.End >= length);
}

bool Document_Edit_Area::Coming_In() { return control_.Intake().Control() == edit().Handle(); }

Rich_Edit& Document_Edit_Area::whole() {
  if (Coming_In()) control_.Intake().Finish();
  return edit();
}

std::string Document_Edit_Area::Text() { return whole().Text(); }
void Document_Edit_Area::Set_Text(const std::string& text) { whole().Set_Text(text); }

int32_t Document_Edit_Area::Text_Length() {
  return Coming_In() ? int32_t(control_.Intake().Total()) : edit().Text_Length();
}

Selection Document_Edit_Area::Get_Selection() {
  if (Coming_In())
    if (const auto waiting = control_.Intake().Waiting_Selection()) return {waiting->cpMin, waiting->cpMax};
  return edit().Get_Selection();
}

void Document_Edit_Area::Set_Selection(int32_t start, int32_t end) {
  if (Coming_In() && control_.Intake().Select_Later(start, end)) return;
  edit().Set_Selection(start, end);
}

std::string Document_Edit_Area::Selected_Text() { return whole().Selected_Text(); }

void Document_Edit_Area::Replace_Selection(const std::string& text) {
  if (control_.Whole_Text_Selected()) {
    control_.Replace_Whole_Text(Document_To_Control_Text(text), true);
  } else {
    whole().Replace_Selection(text);
  }
}

int32_t Document_Edit_Area::Line_Count() { return whole().Line_Count(); }
int32_t Document_Edit_Area::Line_From_Char(int32_t offset) { return whole().Line_From_Char(offset); }
int32_t Document_Edit_Area::Line_Index(int32_t line) { return whole().Line_Index(line); }
int32_t Document_Edit_Area::Line_Length(int32_t line) { return whole().Line_Length(line); }
bool Document_Edit_Area::Modified() { return edit().Modified(); }
void Document_Edit_Area::Set_Modified(bool modified) { edit().Set_Modified(modified); }
int32_t Document_Edit_Area::Undo_Limit() { return edit().Undo_Limit(); }
void Document_Edit_Area::Set_Undo_Limit(int32_t limit) { edit().Set_Undo_Limit(limit); }
Rich_Edit& Document_Edit_Area::edit() { return control_.Edit(); }
