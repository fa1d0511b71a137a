#include "tools/sounds/event_tones.h"

// Start and exit mirror each other, as do restore and minimise; maximise
// climbs further than restore. All of them stay under half a second.
const std::vector<Event_Tone>& Event_Tones() {
  static const std::vector<Event_Tone> tones = {
      {"Zapusk.wav", {{523.25, 523.25, 0.09}, {0, 0, 0.02}, {783.99, 783.99, 0.14}}},
      {"Razvern.wav", {{440.0, 660.0, 0.16}}},
      {"Raspahn.wav", {{523.25, 523.25, 0.07}, {659.25, 659.25, 0.07}, {783.99, 783.99, 0.12}}},
      {"Svernut.wav", {{660.0, 440.0, 0.16}}},
      {"Vyhod.wav", {{783.99, 783.99, 0.09}, {0, 0, 0.02}, {523.25, 523.25, 0.14}}},
  };
  return tones;
}
