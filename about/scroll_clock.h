#pragma once
// The clock behind the about box's scrolling story: which height each of the
// five story labels has, tick by tick, and whether the timer runs.
#include <cstdint>

class Scroll_Clock {
 public:
  static constexpr int Timer_Interval_Ms = 110;
  static constexpr int Label_Count = 5;
  // Label 1 starts at First_Top, each next one Label_Spacing below the one
  // before, or lower where that one is taller.
  static constexpr int First_Top = 90;
  static constexpr int Label_Spacing = 104;
  // Below the visible window: where activation leaves the labels until the
  // first tick places them.
  static constexpr int Park_Top = 591;
  // The tick that takes the counter past this starts the story again.
  static constexpr int Last_Count = 590;

  Scroll_Clock();

  // The height each piece of the story takes on the screen. The spacing was
  // made for the pieces' lines in the original font; where the font at hand
  // wraps a piece into more lines, the pieces below move down and the round
  // lasts as much longer, rather than the next piece covering its last line.
  void Set_Piece_Heights(const int (&heights)[Label_Count]);

  // Opening of the box: the counter back to 0, the labels at their start heights.
  void Open();
  // The box became active: labels parked below the window, the timer on. The
  // counter keeps its value, so the scroll resumes where it paused.
  void Activate();
  // The box lost activation: the timer off, the counter kept.
  void Deactivate();
  // One timer tick: moves every label up one pixel. Returns false and changes
  // nothing when the timer is off, as no tick would arrive then.
  bool Tick();

  bool Timer_On() const { return Running; }
  std::int32_t Count() const { return Scroll_Count; }
  // The top of label k (1 to 5) within the scrolling window.
  int Label_Top(int k) const;

 private:
  void Place_Labels(int offset);

  std::int32_t Scroll_Count = 0;
  bool Running = false;
  int Tops[Label_Count];
  // Where label k starts below label 1, and the count that ends a round.
  int Offsets[Label_Count];
  std::int32_t Round_End = Last_Count;
};
