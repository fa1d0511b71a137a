#pragma once
// The five window-event sounds: start, restore, maximise, minimise, exit.
#include "common/settings_model.h"
#include "platform/sound.h"

enum Event_Sound { kSoundStart = 1, kSoundRestore, kSoundMaximize, kSoundMinimize, kSoundExit };

// Plays event N when its box is ticked and its path is not empty. The exit
// sound plays to its end and is skipped while another sound still plays.
void Play_Event_Sound(const Settings_Model& model, int event, Sound_Player& player);
