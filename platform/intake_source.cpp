#include "platform/intake_source.h"

#include <algorithm>
#include <array>
#include <utility>

#include "common/control_text.h"
#include "common/line_ends.h"
#include "common/utf8.h"
#include "common/page_encoding.h"
#include "platform/intake_pieces.h"

namespace {

using Page_Units = std::array<wchar_t, 256>;

// The control's unit for each byte of an 8-bit page; a NUL byte becomes the
// NUL sign, which the control can hold.
Page_Units Units_Of(File_Encoding page) {
  const auto& half = Upper_Half_Of(page);
  Page_Units units{};
  for (std::size_t b = 0; b < units.size(); ++b) units[b] = b < 0x80 ? wchar_t(b) : wchar_t(half[b - 0x80]);
  units[0] = kNulSymbol;
  return units;
}

// Appends the control's units for bytes of an 8-bit page, line ends made CR
// in the same step. A CR at the end of the bytes before, told by `after_cr`,
// takes the LF that may open these.
void Append_Page(std::string_view bytes, const Page_Units& units, bool& after_cr, std::wstring& out) {
  const std::size_t old = out.size();
  out.resize(old + bytes.size());  // never more units than bytes
  const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
  const wchar_t* end = Fold_Line_Ends(in, in + bytes.size(), out.data() + old, after_cr,
                                      [&units](unsigned char b) { return units[b]; });
  out.resize(std::size_t(end - out.data()));
}

// The same for UTF-8 bytes that end with a whole sequence: decoded first,
// then the line ends made CR where they stand.
void Append_Utf8(std::string_view bytes, bool& after_cr, std::wstring& out) {
  const std::size_t old = out.size();
  out.resize(old + bytes.size());
  wchar_t* const start = out.data() + old;
  const wchar_t* const decoded = Decode_Utf8_Units(bytes, start);
  const wchar_t* const end = Fold_Line_Ends(start, decoded, start, after_cr);
  out.resize(std::size_t(end - out.data()));
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

class File_Source : public Intake_Source {
 public:
  File_Source(Shared_File_Bytes bytes, File_Encoding encoding, const File_Survey& survey)
      : bytes_(std::move(bytes)),
        utf8_(!Is_8_Bit_Encoding(encoding)),
        at_(Text_Start(bytes_->View(), encoding)),
        size_(survey.Units_In(encoding)),
        longest_(survey.Longest_Run_In(encoding)) {
    if (!utf8_) units_ = Units_Of(encoding);
  }
  std::size_t Size() const override { return size_; }
  std::size_t Longest_Run() const override { return longest_; }

  void Next(std::size_t wanted, std::wstring& piece) override {
    const std::size_t size = bytes_->View().size();
    wanted = std::max<std::size_t>(wanted, 1);
    // A unit beyond the piece lets Piece_End look for where to end it.
    while (!broken_ && pending_.size() <= wanted && at_ < size) {
      const std::size_t end = at_ + std::min(size - at_, wanted + 1 - pending_.size());
      // The bytes are copied out of the file first, with room for the rest
      // of a UTF-8 sequence, which is decoded whole.
      chunk_.resize(std::min(size, end + (utf8_ ? 3 : 0)) - at_);
      if (!bytes_->Copy(at_, chunk_.size(), chunk_.data())) {
        broken_ = true;
        break;
      }
      std::size_t cut = end - at_;
      while (utf8_ && cut < chunk_.size() && Is_Utf8_Continuation(static_cast<unsigned char>(chunk_[cut]))) ++cut;
      const std::string_view bytes(chunk_.data(), cut);
      if (utf8_)
        Append_Utf8(bytes, after_cr_, pending_);
      else
        Append_Page(bytes, units_, after_cr_, pending_);
      at_ += cut;
    }
    if (broken_) {
      piece.clear();
      return;
    }
    const std::size_t end = Piece_End(pending_, 0, wanted);
    piece.assign(pending_, 0, end);
    pending_.erase(0, end);
  }
  bool Broken() const override { return broken_; }

 private:
  Shared_File_Bytes bytes_;
  bool utf8_;
  Page_Units units_{};  // an 8-bit page's
  std::size_t at_;      // the next byte to convert
  std::size_t size_, longest_;
  bool after_cr_ = false;
  bool broken_ = false;
  std::string chunk_;     // the bytes of the next piece, copied out of the file
  std::wstring pending_;  // converted, not yet handed out
};

}  // namespace

std::unique_ptr<Intake_Source> Wide_Intake_Source(std::wstring text) {
  return std::make_unique<Wide_Source>(std::move(text));
}

bool Intake_Reads_Encoding(File_Encoding encoding) {
  return Is_8_Bit_Encoding(encoding) || encoding == File_Encoding::Utf8 ||
         encoding == File_Encoding::Utf8_Bom;
}

std::unique_ptr<Intake_Source> File_Intake_Source(Shared_File_Bytes bytes, File_Encoding encoding,
                                                  const File_Survey& survey) {
  return std::make_unique<File_Source>(std::move(bytes), encoding, survey);
}

std::unique_ptr<Intake_Source> File_Intake_Source(Shared_File_Bytes bytes, File_Encoding encoding) {
  const File_Survey survey = Survey_File(bytes->View());
  return File_Intake_Source(std::move(bytes), encoding, survey);
}

std::wstring File_To_Control_Text(std::string_view bytes, File_Encoding encoding) {
  std::wstring text;
  bool after_cr = false;
  bytes.remove_prefix(Text_Start(bytes, encoding));
  if (Is_8_Bit_Encoding(encoding))
    Append_Page(bytes, Units_Of(encoding), after_cr, text);
  else
    Append_Utf8(bytes, after_cr, text);
  return text;
}
