#include "about/scroll_clock.h"

#include <algorithm>

Scroll_Clock::Scroll_Clock() {
  for (int k = 0; k < Label_Count; ++k) Offsets[k] = Label_Spacing * k;
  Open();
}

void Scroll_Clock::Set_Piece_Heights(const int (&heights)[Label_Count]) {
  for (int k = 1; k < Label_Count; ++k) Offsets[k] = Offsets[k - 1] + std::max(Label_Spacing, heights[k - 1]);
  Round_End = Last_Count + Offsets[Label_Count - 1] - Label_Spacing * (Label_Count - 1);
}

void Scroll_Clock::Place_Labels(int offset) {
  for (int k = 0; k < Label_Count; ++k) Tops[k] = First_Top + Offsets[k] - offset;
}

void Scroll_Clock::Open() {
  Scroll_Count = 0;
  Place_Labels(0);
}

void Scroll_Clock::Activate() {
  for (int& top : Tops) top = Park_Top;
  Running = true;
}

void Scroll_Clock::Deactivate() { Running = false; }

bool Scroll_Clock::Tick() {
  if (!Running) return false;
  ++Scroll_Count;
  Place_Labels(Scroll_Count);
  if (Scroll_Count > Round_End) Scroll_Count = 0;
  return true;
}

int Scroll_Clock::Label_Top(int k) const {
  if (k < 1 || k > Label_Count) return Park_Top;
  return Tops[k - 1];
}
