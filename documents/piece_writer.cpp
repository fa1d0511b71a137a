#include "documents/piece_writer.h"

#include <string>
#include <utility>

#include "common/control_text.h"

Piece_Writer::Piece_Writer(File_Sink& sink, Line_End ends, size_t waiting_limit)
    : sink_(sink),
      limit_(waiting_limit ? waiting_limit : 1),
      line_ends_(ends),
      worker_([this] { Write_Queued_Pieces(); }) {}

Piece_Writer::~Piece_Writer() { Finish(); }

bool Piece_Writer::Post(Text_Piece piece) {
  std::unique_lock<std::mutex> lock(mutex_);
  changed_.wait(lock, [this] { return failed_ || waiting_.size() < limit_; });
  if (failed_ || closed_) return false;
  waiting_.push_back(std::move(piece));
  changed_.notify_all();
  return true;
}

bool Piece_Writer::Finish() {
  {
    std::lock_guard<std::mutex> lock(mutex_);
    closed_ = true;
  }
  changed_.notify_all();
  if (worker_.joinable()) worker_.join();
  std::lock_guard<std::mutex> lock(mutex_);
  return !failed_;
}

void Piece_Writer::Write_Queued_Pieces() {
  for (;;) {
    Text_Piece piece;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [this] { return closed_ || !waiting_.empty(); });
      if (waiting_.empty() || failed_) return;
      piece = std::move(waiting_.front());
      waiting_.pop_front();
    }
    changed_.notify_all();
    bool written = false;
    try {
      const std::string bytes = line_ends_.Convert(piece());
      written = sink_.Append(bytes.data(), bytes.size());
    } catch (const Outside_Win1251&) {
      outside_ = true;
    } catch (...) {
      // Out of memory on a huge piece: the save fails and says so.
    }
    if (!written) {
      std::lock_guard<std::mutex> lock(mutex_);
      failed_ = true;
      waiting_.clear();
      changed_.notify_all();
      return;
    }
  }
}
