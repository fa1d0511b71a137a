#include "platform/win32/text_intake_win32.h"

#include <richedit.h>

#include <algorithm>
#include <chrono>
#include <utility>

#include "platform/intake_pieces.h"
#include "platform/win32/edit_area_win32.h"

namespace {

// An id no control uses for a timer of its own.
constexpr UINT_PTR kIntakeTimer = 0x4C49;
constexpr wchar_t kIntakeProperty[] = L"Lirovant.Intake";
// A run of pieces between two looks at the message queue ends after this
// long, so that the window paints now and then while nobody touches it.
constexpr double kMostRunMilliseconds = 200;

double Milliseconds_Since(std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// What the control shows, at the height of its default font.
std::size_t First_Piece_Chars_Of(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  CHARFORMAT2W format{};
  format.cbSize = sizeof format;
  SendMessageW(control, EM_GETCHARFORMAT, SCF_DEFAULT, LPARAM(&format));
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  const int line = MulDiv(format.yHeight, dpi, 1440);
  return First_Piece_Chars(client.right - client.left, client.bottom - client.top, line);
}

// The last character in view: the one nearest the bottom right corner.
std::size_t Last_Shown(HWND control) {
  RECT client{};
  GetClientRect(control, &client);
  POINTL corner{client.right - 1, client.bottom - 1};
  return std::size_t(std::max<LRESULT>(0, SendMessageW(control, EM_CHARFROMPOS, 0, LPARAM(&corner))));
}

// Where the text's first character stands in the control's client area.
POINTL Text_Origin(HWND control) {
  POINTL at{};
  SendMessageW(control, EM_POSFROMCHAR, WPARAM(&at), 0);
  return at;
}

// Scrolls the control so that the text's start stands at `origin` again.
void Put_View_Back(HWND control, POINTL origin) {
  const POINTL now = Text_Origin(control);
  if (now.x == origin.x && now.y == origin.y) return;
  RECT format{};
  SendMessageW(control, EM_GETRECT, 0, LPARAM(&format));
  POINT view{format.left - origin.x, format.top - origin.y};
  SendMessageW(control, EM_SETSCROLLPOS, 0, LPARAM(&view));
}

bool Input_Waiting() { return HIWORD(GetQueueStatus(QS_INPUT)) != 0; }

CHARRANGE Selection_Of(HWND control) {
  CHARRANGE range{};
  SendMessageW(control, EM_EXGETSEL, 0, LPARAM(&range));
  return range;
}

// Pieces go in behind the text as if nothing happened: the user's selection,
// view and modified flag are put back, and the main window hears of no
// change. Moving the selection to the end and back scrolls the control to
// the caret, drawing on or off, away from wherever the user had scrolled;
// the view is put back from where the text's start stands in it, since
// the scroll position the control reports is scaled down to 16 bits for a
// long text. A read-only control, or one repainted after each piece, takes
// the text in half as fast again under Wine. All this is saved and put back
// once around a run of pieces, not around each one.
class Quiet_Appending {
 public:
  explicit Quiet_Appending(HWND control) : control_(control) {
    modified_ = SendMessageW(control, EM_GETMODIFY, 0, 0) != 0;
    selection_ = Selection_Of(control);
    events_ = SendMessageW(control, EM_SETEVENTMASK, 0, 0);
    origin_ = Text_Origin(control);
    SendMessageW(control, WM_SETREDRAW, FALSE, 0);
  }
  ~Quiet_Appending() {
    SendMessageW(control_, EM_EXSETSEL, 0, LPARAM(&selection_));
    Put_View_Back(control_, origin_);
    SendMessageW(control_, WM_SETREDRAW, TRUE, 0);
    SendMessageW(control_, EM_SETMODIFY, modified_, 0);
    SendMessageW(control_, EM_SETEVENTMASK, 0, events_);
  }
  Quiet_Appending(const Quiet_Appending&) = delete;
  Quiet_Appending& operator=(const Quiet_Appending&) = delete;

 private:
  HWND control_;
  bool modified_ = false;
  CHARRANGE selection_{};
  LRESULT events_ = 0;
  POINTL origin_{};
};

}  // namespace

Text_Intake::Text_Intake(std::function<void(std::size_t, std::size_t)> progress, std::function<void()> done,
                         std::function<void(Intake_Cut)> cut)
    : progress_(std::move(progress)), done_(std::move(done)), cut_(std::move(cut)) {}

Text_Intake::~Text_Intake() { Stop(); }

void Text_Intake::Begin(HWND control, std::wstring text) {
  Begin(control, Wide_Intake_Source(std::move(text)));
}

void Text_Intake::Begin(HWND control, std::unique_ptr<Intake_Source> source) {
  Stop();
  Rich_Edit edit(control);
  if (source->Longest_Run() > kLongestWrappedRun) edit.Set_Word_Wrap(false);
  source->Next(First_Piece_Chars_Of(control), piece_);
  edit.Set_Control_Text(piece_);
  if (piece_.size() == source->Size()) {
    std::wstring().swap(piece_);
    return;
  }
  control_ = control;
  source_ = std::move(source);
  taken_ = piece_.size();
  piece_chars_ = kFastestPieceChars;
  // Undo steps of the intake would only cost time: the text was not typed.
  SendMessageW(control, EM_SETUNDOLIMIT, 0, 0);
  SetPropW(control, kIntakeProperty, this);
  SetTimer(control, kIntakeTimer, USER_TIMER_MINIMUM, On_Timer);
  if (progress_) progress_(taken_, Total());
}

void Text_Intake::On_Timer(HWND control, UINT, UINT_PTR, DWORD) {
  auto* intake = static_cast<Text_Intake*>(GetPropW(control, kIntakeProperty));
  if (intake && intake->control_ == control) intake->Take_Run();
}

void Text_Intake::Take_Run() {
  if (!Take_Pieces_For(kMostRunMilliseconds)) return;
  if (taken_ < Total()) {
    if (progress_) progress_(taken_, Total());
    return;
  }
  End();
}

bool Text_Intake::Take_Pieces_For(double milliseconds) {
  const auto start = std::chrono::steady_clock::now();
  const std::size_t in_before = taken_;
  {
    Quiet_Appending quiet(control_);
    bool seek_end = true;
    do {
      const auto piece_start = std::chrono::steady_clock::now();
      const std::size_t chars = Take_Piece(piece_chars_, seek_end);
      if (source_->Broken()) break;
      // A file that holds less than it measured, such as broken UTF-8, is in.
      if (chars == 0) taken_ = Total();
      seek_end = false;
      piece_chars_ = Next_Piece_Chars(chars, Milliseconds_Since(piece_start));
    } while (taken_ < Total() && Milliseconds_Since(start) < milliseconds && !Input_Waiting());
  }
  Place_Waiting_Caret();
  Paint_If_Shown(in_before);
  if (!source_->Broken()) return true;
  Cut(Intake_Cut::File_Changed);
  return false;
}

// Past the end, wherever an edit of the user's has left the selection. The
// control finds a position by walking its text from the start, a walk that
// grows with every piece; the pieces of one run follow one another, so only
// the first of them seeks the end.
std::size_t Text_Intake::Take_Piece(std::size_t wanted, bool seek_end) {
  source_->Next(wanted, piece_);
  CHARRANGE behind{LONG_MAX, LONG_MAX};
  if (seek_end) SendMessageW(control_, EM_EXSETSEL, 0, LPARAM(&behind));
  SendMessageW(control_, EM_REPLACESEL, FALSE, LPARAM(piece_.c_str()));
  taken_ += piece_.size();
  return piece_.size();
}

// Drawing was off while the pieces went in. A view that reached the end of
// the text shows some of them now; any other view is as it was, and painting
// it again would cost a twentieth of the run under Wine.
void Text_Intake::Paint_If_Shown(std::size_t in_before) {
  if (Last_Shown(control_) + 1 >= in_before) InvalidateRect(control_, nullptr, FALSE);
}

namespace {

// Esc waiting first among the keys: it is taken out, and the keys behind it
// stay for the edit area.
bool Escape_Waiting() {
  MSG msg;
  if (!PeekMessageW(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_NOREMOVE) || msg.wParam != VK_ESCAPE)
    return false;
  PeekMessageW(&msg, nullptr, WM_KEYDOWN, WM_KEYDOWN, PM_REMOVE);
  return true;
}

void Paint_Waiting_Windows() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&msg);
}

}  // namespace

bool Text_Intake::Finish(bool stoppable) {
  if (!control_) return true;
  if (!stoppable) {
    const std::size_t in_before = taken_;
    {
      Quiet_Appending quiet(control_);
      bool seek_end = true;
      while (taken_ < Total() && Take_Piece(kFastestPieceChars, seek_end) > 0 && !source_->Broken())
        seek_end = false;
    }
    Paint_If_Shown(in_before);
    if (source_->Broken()) {
      Cut(Intake_Cut::File_Changed);
      return false;
    }
    End();
    return true;
  }
  // Runs of pieces with the share shown and the window painted between
  // them; the user's other input waits in the queue meanwhile.
  HCURSOR before = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  bool whole = true;
  while (control_ && taken_ < Total()) {
    if (!Take_Pieces_For(kMostRunMilliseconds)) {
      whole = false;
      break;
    }
    if (progress_) progress_(taken_, Total());
    Paint_Waiting_Windows();
    if (Escape_Waiting()) {
      whole = false;
      break;
    }
  }
  SetCursor(before);
  if (whole && control_) End();
  return whole;
}

void Text_Intake::Give_Up() {
  if (!control_) return;
  Cut(Intake_Cut::Stopped);
}

void Text_Intake::Cut(Intake_Cut why) {
  HWND control = control_;
  Place_Waiting_Caret();
  SendMessageW(control, EM_SETUNDOLIMIT, WPARAM(Rich_Edit(control).Undo_Limit()), 0);
  Stop();
  if (cut_) cut_(why);
}

void Text_Intake::Stop() {
  if (!control_) return;
  KillTimer(control_, kIntakeTimer);
  RemovePropW(control_, kIntakeProperty);
  control_ = nullptr;
  waiting_.reset();
  // The source may hold a view of the file, which must not outlive the intake.
  source_.reset();
  std::wstring().swap(piece_);
}

bool Text_Intake::Select_Later(int32_t start, int32_t end) {
  const std::size_t last = end < 0 ? Total() : std::size_t(std::max(start, end));
  if (!control_ || last + kFirstPieceChars <= taken_) {
    waiting_.reset();
    return false;
  }
  waiting_ = CHARRANGE{start, end};
  caret_from_ = Selection_Of(control_);
  return true;
}

std::optional<int32_t> Text_Intake::Waiting_Caret() const {
  if (!waiting_) return std::nullopt;
  return waiting_->cpMin;
}

void Text_Intake::Place_Waiting_Caret() {
  if (!waiting_) return;
  const std::size_t last =
      waiting_->cpMax < 0 ? Total() : std::size_t(std::max(waiting_->cpMin, waiting_->cpMax));
  if (taken_ < Total() && last + kFirstPieceChars > taken_) return;
  const CHARRANGE now = Selection_Of(control_);
  if (now.cpMin == caret_from_.cpMin && now.cpMax == caret_from_.cpMax) {
    CHARRANGE at = *waiting_;
    SendMessageW(control_, EM_EXSETSEL, 0, LPARAM(&at));
    SendMessageW(control_, EM_SCROLLCARET, 0, 0);
  }
  waiting_.reset();
}

void Text_Intake::End() {
  HWND control = control_;
  Place_Waiting_Caret();
  SendMessageW(control, EM_SETUNDOLIMIT, WPARAM(Rich_Edit(control).Undo_Limit()), 0);
  Stop();
  if (done_) done_();
}
