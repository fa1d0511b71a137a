#include "cli/tool_files.h"

#include <filesystem>
#include <iostream>

#include "cli/output_file.h"

namespace {

bool Is_Standard(const std::string& name) { return name.empty() || name == "-"; }

// Large pieces: a character at a time would cost more than the work.
constexpr std::size_t Piece = 1 << 20;

// A head with this many bytes beyond ASCII is as good as the whole text for
// the detector.
constexpr std::size_t Enough_High_Bytes = 16 * 1024;

std::size_t High_Bytes(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) count += static_cast<unsigned char>(c) >= 0x80;
  return count;
}

}  // namespace

Tool_Input::Tool_Input(const std::string& name, std::istream& standard) : name_(name), stream_(&standard) {
  if (Is_Standard(name)) {
    name_ = "input";
    return;
  }
  file_.open(name, std::ios::binary);
  if (!file_.is_open()) throw Tool_Error{Exit_Unreadable, "cannot read " + name};
  stream_ = &file_;
  std::error_code error;
  seekable_ = std::filesystem::is_regular_file(name, error);
}

std::size_t Tool_Input::File_Size() {
  file_.seekg(0, std::ios::end);
  const std::streamoff size = file_.tellg();
  file_.seekg(0);
  if (size < 0) throw Tool_Error{Exit_Unreadable, "cannot read " + name_};
  return static_cast<std::size_t>(size);
}

std::string Tool_Input::Read_At(std::size_t start, std::size_t size) {
  std::string text(size, '\0');
  file_.seekg(static_cast<std::streamoff>(start));
  file_.read(text.data(), static_cast<std::streamsize>(size));
  if (file_.bad() || static_cast<std::size_t>(file_.gcount()) != size)
    throw Tool_Error{Exit_Unreadable, "cannot read " + name_};
  return text;
}

bool Tool_Input::Read_Piece(std::string* piece) {
  piece->resize(Piece);
  stream_->read(piece->data(), Piece);
  if (stream_->bad()) throw Tool_Error{Exit_Unreadable, "cannot read " + name_};
  piece->resize(static_cast<std::size_t>(stream_->gcount()));
  return !piece->empty();
}

const std::string& Tool_Input::Head() {
  if (head_read_) return head_;
  head_read_ = true;
  std::size_t high = 0;
  for (std::string piece; high < Enough_High_Bytes && head_.size() < Head_Limit && Read_Piece(&piece);) {
    head_ += piece;
    high += High_Bytes(piece);
  }
  return head_;
}

bool Tool_Input::Next_Piece(std::string* piece) {
  if (head_at_ < head_.size()) {
    piece->assign(head_, head_at_, Piece);
    head_at_ += piece->size();
    return true;
  }
  if (head_read_ && !head_.empty()) {  // the head has been given back whole: its memory goes
    head_.clear();
    head_.shrink_to_fit();
    head_at_ = 0;
  }
  return Read_Piece(piece);
}

std::string Tool_Input::Read_Rest() {
  std::string text;
  for (std::string piece; Next_Piece(&piece);) text += piece;
  return text;
}

void Tool_Input::Rewind() {
  if (seekable_) {
    file_.clear();
    file_.seekg(0);
  }
  head_at_ = 0;
}

Tool_Output::Tool_Output(const std::string& name, std::ostream& standard)
    : name_(name), standard_(&standard) {
  if (!Is_Standard(name)) file_ = std::make_unique<Output_File>(name);
}

Tool_Output::~Tool_Output() = default;

void Tool_Output::Write(std::string_view text) {
  if (file_) {
    file_->Write(text);
    return;
  }
  standard_->write(text.data(), static_cast<std::streamsize>(text.size()));
  if (!*standard_) throw Tool_Error{Exit_Unwritable, "cannot write standard output"};
}

void Tool_Output::Commit() {
  if (file_) {
    file_->Commit();
    return;
  }
  standard_->flush();
  if (!*standard_) throw Tool_Error{Exit_Unwritable, "cannot write standard output"};
}
