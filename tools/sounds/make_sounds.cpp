// Writes the default event sounds into a folder:  make_sounds <folder>
#include <cstdio>
#include <fstream>
#include <string>

#include "tools/sounds/event_tones.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_sounds <folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  for (const Event_Tone& tone : Event_Tones()) {
    const std::string path = folder + "/" + tone.File_Name;
    std::ofstream out(path, std::ios::binary);
    out << Wav_File(Render_Tones(tone.Steps, kEventToneLevel));
    if (!out.flush()) {
      std::fprintf(stderr, "make_sounds: cannot write %s\n", path.c_str());
      return 1;
    }
  }
  return 0;
}
