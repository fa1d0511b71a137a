#pragma once
// The program's five default event sounds: each file name and its tune.
#include <string>
#include <vector>

#include "tools/sounds/wav_tone.h"

struct Event_Tone {
  const char* File_Name;
  std::vector<Tone_Step> Steps;
};

// Quiet: a tenth of full scale.
constexpr double kEventToneLevel = 0.1;

const std::vector<Event_Tone>& Event_Tones();
