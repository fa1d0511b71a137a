#include "platform/progress.h"

#include <utility>

void Progress::Begin(std::int64_t size) {
  Progress_Step = size > 0 ? size / 100 : 0;
  Progress_Mark = Progress_Step;
}

bool Progress::Due(std::int64_t position) {
  if (position <= Progress_Mark) return false;
  Progress_Mark += Progress_Step;
  return true;
}

void Progress::Restart() { Progress_Mark = Progress_Step; }

Position_Callback Progress_Callback(Progress& progress, std::function<void()> tick) {
  return [&progress, tick = std::move(tick)](std::int64_t position) {
    if (progress.Due(position) && tick) tick();
  };
}
