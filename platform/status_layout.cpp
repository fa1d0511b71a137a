#include "platform/status_layout.h"

#include <algorithm>

std::vector<int> Panel_Right_Edges(const std::vector<Panel_Room>& panels, int width) {
  int needs = 0, surplus = 0;
  for (const Panel_Room& p : panels) {
    needs += p.Need;
    surplus += std::max(p.Wish - p.Need, 0);
  }
  // What is left of the surplus once the needs are met: all of it, a share
  // of it, or none.
  const long long room = std::clamp(width - needs, 0, surplus);
  std::vector<int> right;
  int x = 0;
  long long given = 0, surplus_before = 0;
  for (const Panel_Room& p : panels) {
    // Shares of the running totals, so that the rounding adds up to the room exactly.
    surplus_before += std::max(p.Wish - p.Need, 0);
    const long long share = surplus > 0 ? room * surplus_before / surplus - given : 0;
    given += share;
    x += p.Need + int(share);
    right.push_back(x);
  }
  return right;
}
