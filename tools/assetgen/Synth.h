#pragma once

#include <cstddef>
#include <functional>
#include <vector>

#include "Random.h"

namespace quil::assetgen {

inline constexpr int kRate = 44100;

double MidiToHz(double note);

// A stereo take being built up, one float per sample and side.
struct Stereo {
  std::vector<float> left, right;

  explicit Stereo(double seconds) : left(static_cast<std::size_t>(seconds * kRate)), right(left.size()) {}
  std::size_t Frames() const { return left.size(); }
  // Adds a mono signal starting at `at` seconds; pan -1 left .. +1 right.
  void Add(const std::vector<float>& mono, double at, double gain, double pan = 0);
};

// Attack-decay-sustain-release amplitude shape over a note held for `hold` seconds.
struct Envelope {
  double attack = 0.005, decay = 0.1, sustain = 0.7, release = 0.2;
  double At(double t, double hold) const;
  double Length(double hold) const { return hold + release; }
};

// The timbres of the tool's instruments. Each renders one note as a mono signal.
enum class Voice { Piano, Bell, Marimba, Lead, Pad, Bass, Pluck, Brass, Chip };
std::vector<float> RenderNote(Voice voice, double midiNote, double hold, double velocity = 1.0);

// Unpitched sounds for percussion and effects.
enum class Drum { Kick, Snare, Hat, Shaker, Rim };
std::vector<float> RenderDrum(Drum drum, Random& random);

// Band-limited noise whose centre sweeps from `fromHz` to `toHz`, shaped by `envelope`.
std::vector<float> Whoosh(double seconds, double fromHz, double toHz, Random& random);
// A sine whose pitch glides from one frequency to another, with a short swell and fade.
std::vector<float> Glide(double seconds, double fromHz, double toHz);

// A small room: Schroeder reverb added back into the take.
void AddReverb(Stereo& take, double wet, double roomSize = 0.82);
// Scales the take so its loudest sample reaches `peak`.
void Normalise(Stereo& take, double peak);
// Fades both ends in and out along a half cosine so nothing clicks.
void Fade(Stereo& take, double fadeIn, double fadeOut);
// Scales to a loudness (RMS) target, softly limiting any peak above `ceiling`.
void Level(Stereo& take, double rms, double ceiling);

}  // namespace quil::assetgen
