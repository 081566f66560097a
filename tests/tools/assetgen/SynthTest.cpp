#include "Synth.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace quil::assetgen {
namespace {

float PeakOf(const std::vector<float>& v) {
  float peak = 0;
  for (float x : v) peak = std::max(peak, std::abs(x));
  return peak;
}

TEST(Synth, EveryVoiceStartsAndEndsAtRest) {
  for (Voice voice : {Voice::Piano, Voice::Bell, Voice::Marimba, Voice::Lead, Voice::Pad, Voice::Bass, Voice::Pluck,
                      Voice::Brass, Voice::Chip}) {
    for (double note : {36.0, 60.0, 96.0}) {
      auto out = RenderNote(voice, note, 0.3);
      SCOPED_TRACE(static_cast<int>(voice));
      ASSERT_GT(out.size(), 100u);
      EXPECT_LT(std::abs(out.front()), 0.01f);
      EXPECT_LT(std::abs(out.back()), 0.01f);
      EXPECT_GT(PeakOf(out), 0.05f) << "audible at note " << note;
      EXPECT_LT(PeakOf(out), 1.5f);
      EXPECT_TRUE(std::all_of(out.begin(), out.end(), [](float x) { return std::isfinite(x); }));
    }
  }
}

TEST(Synth, DrumsStartAndEndAtRest) {
  Random random(1);
  for (Drum drum : {Drum::Kick, Drum::Snare, Drum::Hat, Drum::Shaker, Drum::Rim}) {
    auto out = RenderDrum(drum, random);
    EXPECT_LT(std::abs(out.front()), 0.01f);
    EXPECT_LT(std::abs(out.back()), 0.01f);
    EXPECT_GT(PeakOf(out), 0.05f);
  }
}

TEST(Synth, EnvelopeRisesHoldsAndReleasesToSilence) {
  Envelope env{0.01, 0.1, 0.5, 0.2};
  EXPECT_DOUBLE_EQ(env.At(0, 1), 0);
  EXPECT_NEAR(env.At(0.01, 1), 1, 1e-9);
  EXPECT_NEAR(env.At(0.9, 1), 0.5, 0.01);
  EXPECT_GT(env.At(1.1, 1), 0);
  EXPECT_NEAR(env.At(1.2, 1), 0, 1e-12);
  EXPECT_EQ(env.At(5, 1), 0);
  // A note let go during its attack falls from where it got to, without a jump.
  EXPECT_NEAR(env.At(0.005, 0.005), 0.5, 1e-9);
}

Stereo Noise(double seconds, double amplitude) {
  Stereo take(seconds);
  Random random(3);
  for (std::size_t i = 0; i < take.Frames(); ++i) {
    take.left[i] = static_cast<float>(random.Range(-amplitude, amplitude));
    take.right[i] = static_cast<float>(random.Range(-amplitude, amplitude));
  }
  return take;
}

double RmsOf(const Stereo& take) {
  double sum = 0;
  for (std::size_t i = 0; i < take.Frames(); ++i) sum += take.left[i] * take.left[i] + take.right[i] * take.right[i];
  return std::sqrt(sum / (2.0 * take.Frames()));
}

TEST(Synth, LevellingReachesTheLoudnessAndNeverThePeakCeiling) {
  for (double amplitude : {0.01, 0.3, 3.0}) {
    Stereo take = Noise(1, amplitude);
    take.left[100] = static_cast<float>(amplitude * 20);  // one stray spike
    Level(take, 0.1, 0.8);
    EXPECT_NEAR(RmsOf(take), 0.1, 0.01) << amplitude;
    EXPECT_LE(std::max(PeakOf(take.left), PeakOf(take.right)), 0.8f) << amplitude;
  }
}

TEST(Synth, NormaliseAndFadeLeaveSilentEndsAtTheGivenPeak) {
  Stereo take = Noise(0.5, 0.2);
  Normalise(take, 0.7);
  EXPECT_NEAR(std::max(PeakOf(take.left), PeakOf(take.right)), 0.7f, 1e-4);
  Fade(take, 0.01, 0.05);
  EXPECT_EQ(take.left.front(), 0.0f);
  EXPECT_EQ(take.right.back(), 0.0f);
  EXPECT_LT(std::abs(take.left[20]), 0.01f) << "still fading in";
}

TEST(Synth, PanningSendsAMonoSignalToOneSide) {
  Stereo take(0.1);
  std::vector<float> tone(1000, 0.5f);
  take.Add(tone, 0, 1, -1);
  EXPECT_NEAR(take.left[10], 0.5f * std::sqrt(2.0f), 1e-5);
  EXPECT_NEAR(take.right[10], 0.0f, 1e-6);
  take.Add(tone, 0.05, 1, 0);
  std::size_t at = static_cast<std::size_t>(0.05 * kRate) + 10;
  EXPECT_NEAR(take.left[at], take.right[at], 1e-6) << "centred";
}

}  // namespace
}  // namespace quil::assetgen
