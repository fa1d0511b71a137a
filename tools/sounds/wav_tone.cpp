#include "tools/sounds/wav_tone.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kFadeSeconds = 0.01;

void Put_U16(std::string& out, uint32_t value) {
  out += char(value & 0xFF);
  out += char((value >> 8) & 0xFF);
}

void Put_U32(std::string& out, uint32_t value) {
  Put_U16(out, value & 0xFFFF);
  Put_U16(out, value >> 16);
}

}  // namespace

std::vector<int16_t> Render_Tones(const std::vector<Tone_Step>& steps, double level, uint32_t rate) {
  std::vector<int16_t> samples;
  const double peak = std::clamp(level, 0.0, 1.0) * 32767.0;
  for (const Tone_Step& step : steps) {
    const size_t count = size_t(std::max(step.Seconds, 0.0) * rate);
    const size_t fade = std::min(size_t(kFadeSeconds * rate), count / 2);
    double phase = 0;
    for (size_t i = 0; i < count; ++i) {
      const double t = count > 1 ? double(i) / double(count - 1) : 0.0;
      const double hz = step.From_Hz + (step.To_Hz - step.From_Hz) * t;
      double envelope = 1.0;
      if (fade > 0 && i < fade) envelope = double(i) / double(fade);
      if (fade > 0 && count - 1 - i < fade) envelope = double(count - 1 - i) / double(fade);
      samples.push_back(hz > 0 ? int16_t(std::lround(peak * envelope * std::sin(phase))) : int16_t(0));
      phase += 2 * kPi * hz / rate;
    }
  }
  return samples;
}

std::string Wav_File(const std::vector<int16_t>& samples, uint32_t rate) {
  const uint32_t data_bytes = uint32_t(samples.size() * 2);
  std::string out = "RIFF";
  Put_U32(out, 36 + data_bytes);
  out += "WAVEfmt ";
  Put_U32(out, 16);  // size of the format chunk
  Put_U16(out, 1);   // PCM
  Put_U16(out, 1);   // one channel
  Put_U32(out, rate);
  Put_U32(out, rate * 2);  // bytes per second
  Put_U16(out, 2);         // bytes per sample frame
  Put_U16(out, 16);        // bits per sample
  out += "data";
  Put_U32(out, data_bytes);
  for (int16_t s : samples) Put_U16(out, uint16_t(s));
  return out;
}
