#include "platform/intake_source.h"

#include <algorithm>
#include <array>
#include <utility>

#include "common/control_text.h"
#include "common/win1251_unicode.h"
#include "platform/intake_pieces.h"

namespace {

const std::array<wchar_t, 256>& Control_Units() {
  static const std::array<wchar_t, 256> units = [] {
    std::array<wchar_t, 256> made{};
    for (int b = 0; b < 0x80; ++b) made[std::size_t(b)] = wchar_t(b);
    for (int b = 0x80; b < 0x100; ++b)
      made[std::size_t(b)] = wchar_t(kWin1251_Upper_Half[std::size_t(b - 0x80)]);
    made[0] = kNulSymbol;
    return made;
  }();
  return units;
}

// Appends the control's units for `bytes`. A CR at the end of the bytes
// before, told by `after_cr`, takes the LF that may open these.
void Append_Control_Text(std::string_view bytes, bool& after_cr, std::wstring& out) {
  const auto& units = Control_Units();
  const std::size_t old = out.size();
  out.resize(old + bytes.size());  // never more units than bytes
  wchar_t* write = out.data() + old;
  std::size_t i = after_cr && !bytes.empty() && bytes[0] == '\n' ? 1 : 0;
  for (; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b == '\n') {
      *write++ = L'\r';
    } else {
      *write++ = units[b];
      if (b == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    }
  }
  if (!bytes.empty()) after_cr = bytes.back() == '\r';
  out.resize(std::size_t(write - out.data()));
}

class Wide_Source : public Intake_Source {
 public:
  explicit Wide_Source(std::wstring text) : text_(std::move(text)), longest_(Longest_Unbroken_Run(text_)) {}
  std::size_t Size() const override { return text_.size(); }
  std::size_t Longest_Run() const override { return longest_; }
  void Next(std::size_t wanted, std::wstring& piece) override {
    const std::size_t end = Piece_End(text_, at_, wanted);
    piece.assign(text_, at_, end - at_);
    at_ = end;
  }

 private:
  std::wstring text_;
  std::size_t longest_;
  std::size_t at_ = 0;
};

class Disk_Win1251_Source : public Intake_Source {
 public:
  explicit Disk_Win1251_Source(Shared_File_Bytes bytes) : bytes_(std::move(bytes)) {
    Measure(bytes_->View());
  }
  std::size_t Size() const override { return size_; }
  std::size_t Longest_Run() const override { return longest_; }

  void Next(std::size_t wanted, std::wstring& piece) override {
    const std::string_view all = bytes_->View();
    wanted = std::max<std::size_t>(wanted, 1);
    // A unit beyond the piece lets Piece_End look for where to end it.
    while (pending_.size() <= wanted && at_ < all.size()) {
      const std::size_t take = std::min(all.size() - at_, wanted + 1 - pending_.size());
      Append_Control_Text(all.substr(at_, take), after_cr_, pending_);
      at_ += take;
    }
    const std::size_t end = Piece_End(pending_, 0, wanted);
    piece.assign(pending_, 0, end);
    pending_.erase(0, end);
  }

 private:
  // One pass, before any piece: the length once CR LF is one unit, and the
  // longest run. Every byte is a unit but the LF of a CR LF.
  void Measure(std::string_view bytes) {
    std::size_t pairs = 0, last_break = 0, longest = 0;
    unsigned char before = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      const auto b = static_cast<unsigned char>(bytes[i]);
      pairs += (b == '\n') & (before == '\r');
      const bool breaks = b == ' ' || b == '\t' || b == '\r' || b == '\n';
      // Positions count from one, so that a run from the start measures i + 1.
      last_break = breaks ? i + 1 : last_break;
      longest = std::max(longest, i + 1 - last_break);
      before = b;
    }
    size_ = bytes.size() - pairs;
    longest_ = longest;
  }

  Shared_File_Bytes bytes_;
  std::size_t size_ = 0;
  std::size_t longest_ = 0;
  std::size_t at_ = 0;  // the next byte to convert
  bool after_cr_ = false;
  std::wstring pending_;  // converted, not yet handed out
};

}  // namespace

std::unique_ptr<Intake_Source> Wide_Intake_Source(std::wstring text) {
  return std::make_unique<Wide_Source>(std::move(text));
}

std::unique_ptr<Intake_Source> Disk_Win1251_Intake_Source(Shared_File_Bytes bytes) {
  return std::make_unique<Disk_Win1251_Source>(std::move(bytes));
}

std::wstring Disk_Win1251_To_Control_Text(std::string_view bytes) {
  std::wstring text;
  bool after_cr = false;
  Append_Control_Text(bytes, after_cr, text);
  return text;
}
