#include "cli/tool_files.h"

#include <cstdio>
#include <filesystem>
#include <iostream>

#include "cli/text_tool.h"

namespace {

bool Is_Standard(const std::string& name) { return name.empty() || name == "-"; }

// Large pieces: a character at a time would cost more than the work.
constexpr std::size_t Piece = 1 << 20;

}  // namespace

Tool_Input::Tool_Input(const std::string& name, std::istream& standard) : name_(name), stream_(&standard) {
  if (Is_Standard(name)) return;
  file_.open(name, std::ios::binary);
  if (!file_.is_open()) throw Tool_Error{Exit_Unreadable, "cannot read " + name};
  stream_ = &file_;
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

bool Tool_Input::Next_Piece(std::string* piece) {
  if (replaying_ && replay_at_ < replay_.size()) {
    piece->assign(replay_, replay_at_, Piece);
    replay_at_ += piece->size();
    return true;
  }
  piece->resize(Piece);
  stream_->read(piece->data(), Piece);
  if (stream_->bad())
    throw Tool_Error{Exit_Unreadable, "cannot read " + (Is_Standard(name_) ? "input" : name_)};
  piece->resize(static_cast<std::size_t>(stream_->gcount()));
  return !piece->empty();
}

std::string Tool_Input::Read_Rest() {
  std::string text;
  for (std::string piece; Next_Piece(&piece);) text += piece;
  if (!Is_File() && !replaying_) replay_ = text;
  return text;
}

void Tool_Input::Rewind() {
  if (Is_File()) {
    file_.clear();
    file_.seekg(0);
  } else {
    replaying_ = true;
    replay_at_ = 0;
  }
}

Tool_Output::Tool_Output(const std::string& name, std::ostream& standard)
    : name_(name), standard_(&standard) {
  if (Is_Standard(name)) return;
  temporary_ = name + ".lirovant-text.tmp";
  file_.open(temporary_, std::ios::binary | std::ios::trunc);
  if (!file_.is_open()) throw Tool_Error{Exit_Unwritable, "cannot write " + name};
}

Tool_Output::~Tool_Output() {
  if (committed_ || temporary_.empty()) return;
  file_.close();
  std::remove(temporary_.c_str());
}

void Tool_Output::Write(std::string_view text) {
  if (temporary_.empty()) {
    held_.append(text);
  } else if (!file_.write(text.data(), static_cast<std::streamsize>(text.size()))) {
    throw Tool_Error{Exit_Unwritable, "cannot write " + name_};
  }
}

void Tool_Output::Commit() {
  if (temporary_.empty()) {
    standard_->write(held_.data(), static_cast<std::streamsize>(held_.size()));
    committed_ = true;
    return;
  }
  file_.close();
  if (!file_) throw Tool_Error{Exit_Unwritable, "cannot write " + name_};
  std::error_code error;
  std::filesystem::rename(temporary_, name_, error);
  if (error) throw Tool_Error{Exit_Unwritable, "cannot write " + name_ + ": " + error.message()};
  committed_ = true;
}
