#include "platform/intake_source.h"

#include <algorithm>
#include <array>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
  // longest run. Every byte is a unit but the LF of a CR LF. It reads the
  // whole file before the first screen, so it goes sixteen bytes a step.
  void Measure(std::string_view bytes) {
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t size = bytes.size();
    std::size_t pairs = 0, longest = 0;
    std::size_t run = 0;  // the run that ends where the pass stands
    bool after_cr = false;
    std::size_t i = 0;
#if defined(__SSE2__)
    const auto mask_of = [](__m128i block, char c) {
      return unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, _mm_set1_epi8(c))));
    };
    for (; i + 16 <= size; i += 16) {
      const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
      const unsigned cr = mask_of(block, '\r'), lf = mask_of(block, '\n');
      const unsigned breaks = cr | lf | mask_of(block, ' ') | mask_of(block, '\t');
      pairs += unsigned(__builtin_popcount(lf & (cr << 1 | unsigned(after_cr))));
      after_cr = cr >> 15 != 0;
      if (breaks == 0) {
        run += 16;
        continue;
      }
      int last = __builtin_ctz(breaks);
      longest = std::max(longest, run + std::size_t(last));
      // Runs between two breaks of one block are shorter than 15: they
      // matter only while nothing longer has been seen.
      if (longest < 15) {
        for (unsigned rest = breaks & (breaks - 1); rest; rest &= rest - 1) {
          const int next = __builtin_ctz(rest);
          longest = std::max(longest, std::size_t(next - last - 1));
          last = next;
        }
      }
      run = std::size_t(15 - (31 - __builtin_clz(breaks)));
    }
#endif
    for (; i < size; ++i) {
      const auto b = in[i];
      pairs += b == '\n' && after_cr;
      after_cr = b == '\r';
      if (b == ' ' || b == '\t' || b == '\r' || b == '\n') {
        longest = std::max(longest, run);
        run = 0;
      } else {
        ++run;
      }
    }
    size_ = size - pairs;
    longest_ = std::max(longest, run);
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
