#include "app/event_sounds.h"

void Play_Event_Sound(const Settings_Model& model, int event, Sound_Player& player) {
  if (event < 1 || event > kSoundCount) return;
  if (!model.Sound_On[event - 1] || model.Sound_File[event - 1].empty()) return;
  player.Play(model.Sound_File[event - 1], event == kSoundExit ? kSoundNoStop : kSoundAsync);
}
