#pragma once
// Saving a large document overlaps its two halves: the window's thread reads
// the next piece out of the edit area while a worker thread converts the
// previous one to disk bytes and appends it to the file. Only a few pieces
// wait at a time, which bounds the memory a save takes.
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <mutex>
#include <thread>

#include "common/line_ends.h"
#include "platform/document_text.h"
#include "platform/file_writer.h"

class Piece_Writer {
 public:
  explicit Piece_Writer(File_Sink& sink, Line_End ends = Line_End::Cr_Lf, size_t waiting_limit = 3);
  Piece_Writer(const Piece_Writer&) = delete;
  Piece_Writer& operator=(const Piece_Writer&) = delete;
  ~Piece_Writer();

  // Queues a piece, waiting while the queue is full; false once the file
  // has refused a write, after which pieces are dropped.
  bool Post(Text_Piece piece);
  // Waits until every queued piece is in the file; true when all are.
  bool Finish();
  // After Finish: the save failed because a piece holds a character that
  // Windows-1251 cannot store.
  bool Found_Outside_Win1251() const { return outside_; }

 private:
  void Write_Queued_Pieces();

  File_Sink& sink_;
  const size_t limit_;
  Disk_Line_Ends line_ends_;  // the worker's alone
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<Text_Piece> waiting_;
  bool closed_ = false, failed_ = false;
  bool outside_ = false;  // written by the worker before failed_, read after the join
  std::thread worker_;    // last: it starts once the rest is in place
};
