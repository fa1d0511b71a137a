#pragma once
// Short tones as 16-bit mono PCM and the WAV file that holds them.
#include <cstdint>
#include <string>
#include <vector>

constexpr uint32_t kToneRate = 22050;

// A glide from one pitch to another; a pitch of 0 is silence.
struct Tone_Step {
  double From_Hz;
  double To_Hz;
  double Seconds;
};

// `level` is the peak as a share of full scale. Every step fades in and out
// so that no step starts or ends with a click.
std::vector<int16_t> Render_Tones(const std::vector<Tone_Step>& steps, double level,
                                  uint32_t rate = kToneRate);

// A complete RIFF WAVE file: PCM, one channel, 16 bits.
std::string Wav_File(const std::vector<int16_t>& samples, uint32_t rate = kToneRate);
