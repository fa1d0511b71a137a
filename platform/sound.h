#pragma once
// The system's sound service. The name goes to it unchanged: it is tried as a
// system sound name, then as a file, and falls back to the default sound.
#include <string>

constexpr unsigned kSoundAsync = 1;    // SND_ASYNC
constexpr unsigned kSoundNoStop = 16;  // SND_NOSTOP

class Sound_Player {
 public:
  virtual ~Sound_Player() = default;
  virtual void Play(const std::string& name, unsigned flags) = 0;
};
