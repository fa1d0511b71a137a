#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <set>
#include <string>

#include "tools/sounds/event_tones.h"
#include "tools/sounds/wav_tone.h"

namespace {

uint32_t U32(const std::string& s, size_t at) {
  return uint32_t(uint8_t(s[at])) | uint32_t(uint8_t(s[at + 1])) << 8 | uint32_t(uint8_t(s[at + 2])) << 16 |
         uint32_t(uint8_t(s[at + 3])) << 24;
}
uint16_t U16(const std::string& s, size_t at) { return uint16_t(uint8_t(s[at]) | uint8_t(s[at + 1]) << 8); }

}  // namespace

TEST(AppWindowStateSounds, WavFileIsPcmMonoSixteenBitWithConsistentSizes) {
  const std::vector<int16_t> samples{0, 1000, -1000, 32767, -32768};
  const std::string wav = Wav_File(samples, 22050);
  ASSERT_EQ(wav.size(), 44u + 10u);
  EXPECT_EQ(wav.substr(0, 4), "RIFF");
  EXPECT_EQ(U32(wav, 4), wav.size() - 8);
  EXPECT_EQ(wav.substr(8, 8), "WAVEfmt ");
  EXPECT_EQ(U32(wav, 16), 16u);
  EXPECT_EQ(U16(wav, 20), 1);  // PCM
  EXPECT_EQ(U16(wav, 22), 1);  // mono
  EXPECT_EQ(U32(wav, 24), 22050u);
  EXPECT_EQ(U32(wav, 28), 44100u);
  EXPECT_EQ(U16(wav, 32), 2);
  EXPECT_EQ(U16(wav, 34), 16);
  EXPECT_EQ(wav.substr(36, 4), "data");
  EXPECT_EQ(U32(wav, 40), 10u);
  EXPECT_EQ(int16_t(U16(wav, 46)), 1000);
  EXPECT_EQ(int16_t(U16(wav, 52)), -32768);
}

TEST(AppWindowStateSounds, TonesAreQuietStartAndEndSilentAndLastTheirTime) {
  const auto samples = Render_Tones({{440, 440, 0.2}}, 0.1);
  EXPECT_EQ(samples.size(), size_t(0.2 * kToneRate));
  int peak = 0;
  for (int16_t s : samples) peak = std::max(peak, std::abs(int(s)));
  EXPECT_LE(peak, 3277);
  EXPECT_GT(peak, 3000);
  EXPECT_EQ(samples.front(), 0);
  EXPECT_LE(std::abs(int(samples.back())), 1);
}

TEST(AppWindowStateSounds, GlideChangesPitch) {
  // Zero crossings in each half: a rising glide crosses more often later.
  const auto samples = Render_Tones({{200, 1000, 0.5}}, 0.5);
  auto crossings = [&](size_t from, size_t to) {
    int n = 0;
    for (size_t i = from + 1; i < to; ++i) n += (samples[i - 1] < 0) != (samples[i] < 0);
    return n;
  };
  const size_t half = samples.size() / 2;
  EXPECT_GT(crossings(half, samples.size()), 2 * crossings(0, half));
}

TEST(AppWindowStateSounds, FiveDefaultSoundsWithTheirFileNamesAndShortLengths) {
  const std::set<std::string> expected{"Zapusk.wav", "Razvern.wav", "Raspahn.wav", "Svernut.wav",
                                       "Vyhod.wav"};
  std::set<std::string> names;
  for (const Event_Tone& tone : Event_Tones()) {
    names.insert(tone.File_Name);
    double seconds = 0;
    for (const Tone_Step& step : tone.Steps) seconds += step.Seconds;
    EXPECT_GT(seconds, 0.1) << tone.File_Name;
    EXPECT_LT(seconds, 0.5) << tone.File_Name;
  }
  EXPECT_EQ(names, expected);
  EXPECT_LE(kEventToneLevel, 0.2);
}
