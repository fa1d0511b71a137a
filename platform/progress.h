#pragma once
// Progress arithmetic of the long text commands, without any window code.
//
// A long command reports every step of its loop through a Position_Callback
// (the loop counter, as the command defines it). The frame owns one Progress,
// started with the size of the work, and draws a mark whenever Due() says so:
//
//     Progress progress;
//     progress.Begin(size);
//     Position_Callback on_position =
//         Progress_Callback(progress, [] { /* append "|", repaint */ });
//
// Ticks are rare (at most a few hundred per pass), so the mark drawing may be
// slow; the per-position test is a comparison.
#include <cstdint>
#include <functional>

#include "platform/platform_texts.h"

using Position_Callback = std::function<void(std::int64_t position)>;

// What a full bar shows when a command puts its result back.
constexpr int Progress_Full_Marks = 100;

// The mark that each tick appends to the status bar while a long command
// runs; its labels are in platform/platform_texts.h.
constexpr const char* Progress_Mark_Text = "|";

struct Progress {
  std::int64_t Progress_Step = 0;  // size of the work / 100, truncated
  std::int64_t Progress_Mark = 0;  // a mark is due once a position passes this

  // Starts a run over work of the given size (characters or lines).
  void Begin(std::int64_t size);
  // True when position is beyond the mark; the mark then moves one step on,
  // so the caller draws exactly one mark for this answer.
  bool Due(std::int64_t position);
  // Starts the mark again for a second pass over work of the same size.
  void Restart();
};

// A Position_Callback that asks progress about every position and calls tick
// for each mark that is due. progress must outlive the callback.
Position_Callback Progress_Callback(Progress& progress, std::function<void()> tick);

// Calls on_position when it is set; long commands accept an empty callback.
inline void Report_Position(const Position_Callback& on_position, std::int64_t position) {
  if (on_position) on_position(position);
}
