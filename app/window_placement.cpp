#include "app/window_placement.h"

#include <algorithm>

namespace {

// Room for the frame of a maximised window, which stands a little beyond the
// screen's edges; anything further out is pulled back onto the screen.
constexpr int64_t kFrame = 10;
constexpr int64_t kSmallestWidth = 120, kSmallestHeight = 80;

int32_t Clamp(int64_t value, int64_t low, int64_t high) {
  return int32_t(std::clamp(value, low, std::max(low, high)));
}

}  // namespace

Window_Bounds Fit_On_Screen(const Window_Bounds& stored, const Screen_Area& screen) {
  // Wide arithmetic: a damaged file may hold any 32-bit number.
  const int64_t left = screen.Left, top = screen.Top, right = left + screen.Width,
                bottom = top + screen.Height;
  Window_Bounds b;
  // A size of nothing is no size the user chose: the built-in one stands in.
  b.Width = stored.Width > 0 ? Clamp(stored.Width, kSmallestWidth, right - left + 2 * kFrame)
                             : Window_Bounds().Width;
  b.Height = stored.Height > 0 ? Clamp(stored.Height, kSmallestHeight, bottom - top + 2 * kFrame)
                               : Window_Bounds().Height;
  b.Left = Clamp(stored.Left, left - kFrame, right - b.Width + kFrame);
  b.Top = Clamp(stored.Top, top - kFrame, bottom - b.Height + kFrame);
  return b;
}
