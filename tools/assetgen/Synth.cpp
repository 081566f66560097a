#include "Synth.h"

#include <algorithm>
#include <cmath>

namespace quil::assetgen {

namespace {

constexpr double kTwoPi = 2 * M_PI;

// Smooths the step of a naive sawtooth or square at each wrap of the phase,
// which keeps the high notes free of aliasing whistles.
double PolyBlep(double phase, double step) {
  if (phase < step) {
    double t = phase / step;
    return t + t - t * t - 1;
  }
  if (phase > 1 - step) {
    double t = (phase - 1) / step;
    return t * t + t + t + 1;
  }
  return 0;
}

double Saw(double phase, double step) { return 2 * phase - 1 - PolyBlep(phase, step); }

double Pulse(double phase, double step, double duty) {
  double shifted = phase + (1 - duty);
  shifted -= std::floor(shifted);
  return (phase < duty ? 1.0 : -1.0) + PolyBlep(phase, step) - PolyBlep(shifted, step);
}

struct OnePole {
  double state = 0;
  double Low(double x, double hz) {
    double a = 1 - std::exp(-kTwoPi * hz / kRate);
    state += a * (x - state);
    return state;
  }
};

std::vector<float> Buffer(double seconds) { return std::vector<float>(static_cast<std::size_t>(seconds * kRate) + 1); }

const Envelope& EnvelopeOf(Voice voice) {
  static const Envelope piano{0.003, 1.2, 0.25, 0.35}, bell{0.002, 1.6, 0.0, 0.5}, marimba{0.002, 0.35, 0.0, 0.15},
      lead{0.025, 0.25, 0.7, 0.18}, pad{0.6, 0.8, 0.8, 1.1}, bass{0.006, 0.35, 0.6, 0.09}, pluck{0.002, 0.9, 0.0, 0.2},
      brass{0.04, 0.3, 0.75, 0.15}, chip{0.003, 0.08, 0.8, 0.05};
  switch (voice) {
    case Voice::Piano: return piano;
    case Voice::Bell: return bell;
    case Voice::Marimba: return marimba;
    case Voice::Lead: return lead;
    case Voice::Pad: return pad;
    case Voice::Bass: return bass;
    case Voice::Pluck: return pluck;
    case Voice::Brass: return brass;
    case Voice::Chip: return chip;
  }
  return piano;
}

}  // namespace

double MidiToHz(double note) { return 440.0 * std::pow(2.0, (note - 69) / 12.0); }

void Stereo::Add(const std::vector<float>& mono, double at, double gain, double pan) {
  std::size_t start = static_cast<std::size_t>(std::max(0.0, at) * kRate);
  double l = gain * std::cos((pan + 1) * M_PI / 4) * M_SQRT2, r = gain * std::sin((pan + 1) * M_PI / 4) * M_SQRT2;
  for (std::size_t i = 0; i < mono.size() && start + i < Frames(); ++i) {
    left[start + i] += static_cast<float>(mono[i] * l);
    right[start + i] += static_cast<float>(mono[i] * r);
  }
}

double Envelope::At(double t, double hold) const {
  auto held = [&](double u) {
    if (u < attack) return u / attack;
    return sustain + (1 - sustain) * std::exp(-(u - attack) / decay * 3);
  };
  if (t < hold) return held(t);
  double after = t - hold;
  if (after >= release) return 0;
  double fall = 1 - after / release;
  return held(hold) * fall * fall;
}

std::vector<float> RenderNote(Voice voice, double midiNote, double hold, double velocity) {
  const Envelope& env = EnvelopeOf(voice);
  double f = MidiToHz(midiNote), step = f / kRate;
  std::vector<float> out = Buffer(env.Length(hold));
  double phase = 0, phase2 = 0, phase3 = 0;
  OnePole filter;
  // The plucked string: a delay line of noise that a gentle average wears down.
  std::vector<double> string;
  if (voice == Voice::Pluck) {
    Random random(static_cast<std::uint64_t>(midiNote * 977));
    string.resize(std::max<std::size_t>(2, static_cast<std::size_t>(kRate / f)));
    for (auto& s : string) s = random.Range(-1, 1);
  }
  for (std::size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate, a = env.At(t, hold), x = 0;
    switch (voice) {
      case Voice::Piano: {
        double index = 1.8 * std::exp(-t * 5) + 0.15;
        x = std::sin(kTwoPi * phase + index * std::sin(kTwoPi * phase)) +
            0.12 * std::exp(-t * 14) * std::sin(kTwoPi * phase * 4);
        break;
      }
      case Voice::Bell: {
        double index = 2.5 * std::exp(-t * 2.5);
        x = std::sin(kTwoPi * phase + index * std::sin(kTwoPi * phase * 3.5));
        break;
      }
      case Voice::Marimba:
        x = std::sin(kTwoPi * phase) + 0.35 * std::exp(-t * 28) * std::sin(kTwoPi * phase * 4);
        break;
      case Voice::Lead: {
        double tri = 1 - 4 * std::abs(phase - 0.5);
        x = filter.Low(0.8 * tri + 0.25 * std::sin(kTwoPi * phase * 2), 2600);
        break;
      }
      case Voice::Pad:
        x = filter.Low((Saw(phase, step) + Saw(phase2, step * 1.004) + Saw(phase3, step * 0.996)) / 3, 900 + 500 * a);
        break;
      case Voice::Bass:
        x = std::tanh(1.3 * (std::sin(kTwoPi * phase) + 0.3 * std::sin(kTwoPi * phase * 2)));
        break;
      case Voice::Pluck: {
        std::size_t n = string.size(), k = i % n;
        x = string[k];
        string[k] = 0.5 * (string[k] + string[(k + 1) % n]) * 0.996;
        break;
      }
      case Voice::Brass:
        x = filter.Low(Saw(phase, step), 500 + 3500 * a);
        break;
      case Voice::Chip:
        x = 0.6 * Pulse(phase, step, 0.25);
        break;
    }
    // A slow vibrato on the sustained voices, entering after the attack.
    double vibrato = (voice == Voice::Lead || voice == Voice::Brass) && t > 0.25
                         ? 1 + 0.003 * std::sin(kTwoPi * 5.2 * t) * std::min(1.0, (t - 0.25) * 3)
                         : 1.0;
    out[i] = static_cast<float>(x * a * velocity);
    phase += step * vibrato;
    phase -= std::floor(phase);
    phase2 += step * 1.004;
    phase2 -= std::floor(phase2);
    phase3 += step * 0.996;
    phase3 -= std::floor(phase3);
  }
  return out;
}

std::vector<float> RenderDrum(Drum drum, Random& random) {
  const double length = drum == Drum::Kick ? 0.4 : drum == Drum::Snare ? 0.25 : 0.1;
  std::vector<float> out = Buffer(length);
  double phase = 0;
  OnePole low, high;
  for (std::size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate, noise = random.Range(-1, 1), x = 0;
    switch (drum) {
      case Drum::Kick: {
        double f = 45 + 75 * std::exp(-t * 30);
        phase += f / kRate;
        x = std::sin(kTwoPi * phase) * std::exp(-t * 9);
        break;
      }
      case Drum::Snare: {
        phase += 190.0 / kRate;
        double body = std::sin(kTwoPi * phase) * std::exp(-t * 25);
        double hiss = (low.Low(noise, 6000) - high.Low(noise, 900)) * std::exp(-t * 16);
        x = 0.5 * body + 0.9 * hiss;
        break;
      }
      case Drum::Hat:
        x = (noise - high.Low(noise, 7000)) * std::exp(-t * 55);
        break;
      case Drum::Shaker:
        x = (noise - high.Low(noise, 5000)) * std::min(1.0, t / 0.012) * std::exp(-t * 40);
        break;
      case Drum::Rim:
        phase += 1700.0 / kRate;
        x = (std::sin(kTwoPi * phase) + 0.5 * std::sin(kTwoPi * phase * 0.47)) * std::exp(-t * 70);
        break;
    }
    // A millisecond's fade-in and a fade to silence at the end keep every hit click-free.
    double edge = std::min({1.0, t / 0.001, (length - t) / 0.01});
    out[i] = static_cast<float>(x * std::max(0.0, edge));
  }
  return out;
}

std::vector<float> Whoosh(double seconds, double fromHz, double toHz, Random& random) {
  std::vector<float> out = Buffer(seconds);
  double low = 0, band = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    double u = static_cast<double>(i) / out.size();
    double hz = fromHz * std::pow(toHz / fromHz, u);
    // Chamberlin state-variable filter, band-pass output.
    double f = 2 * std::sin(M_PI * hz / kRate), q = 0.7;
    double highOut = random.Range(-1, 1) - low - q * band;
    band += f * highOut;
    low += f * band;
    double shape = std::sin(M_PI * u);
    out[i] = static_cast<float>(band * shape * shape);
  }
  return out;
}

std::vector<float> Glide(double seconds, double fromHz, double toHz) {
  std::vector<float> out = Buffer(seconds);
  double phase = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    double t = static_cast<double>(i) / kRate, u = t / seconds;
    phase += fromHz * std::pow(toHz / fromHz, std::min(1.0, u * 1.6)) / kRate;
    double amp = std::min(1.0, t / 0.006) * std::pow(1 - u, 1.5);
    out[i] = static_cast<float>((std::sin(kTwoPi * phase) + 0.2 * std::sin(kTwoPi * phase * 2)) * amp);
  }
  return out;
}

void AddReverb(Stereo& take, double wet, double roomSize) {
  static constexpr int kCombs[] = {1116, 1188, 1277, 1356}, kAllPasses[] = {556, 441};
  auto side = [&](std::vector<float>& signal, int spread) {
    std::vector<std::vector<float>> combs, passes;
    for (int d : kCombs) combs.emplace_back(d + spread, 0.0f);
    for (int d : kAllPasses) passes.emplace_back(d + spread, 0.0f);
    std::vector<float> damp(combs.size(), 0.0f);
    for (std::size_t i = 0; i < signal.size(); ++i) {
      float in = signal[i] * 0.25f, sum = 0;
      for (std::size_t c = 0; c < combs.size(); ++c) {
        auto& line = combs[c];
        float& slot = line[i % line.size()];
        damp[c] = slot * 0.6f + damp[c] * 0.4f;
        sum += slot;
        slot = in + damp[c] * static_cast<float>(roomSize);
      }
      for (auto& line : passes) {
        float& slot = line[i % line.size()];
        float out = slot - sum * 0.5f;
        slot = sum + slot * 0.5f;
        sum = out;
      }
      signal[i] += static_cast<float>(wet) * sum;
    }
  };
  side(take.left, 0);
  side(take.right, 23);
}

void Normalise(Stereo& take, double peak) {
  float top = 1e-9f;
  for (std::size_t i = 0; i < take.Frames(); ++i) top = std::max({top, std::abs(take.left[i]), std::abs(take.right[i])});
  auto gain = static_cast<float>(peak / top);
  for (std::size_t i = 0; i < take.Frames(); ++i) {
    take.left[i] *= gain;
    take.right[i] *= gain;
  }
}

void Fade(Stereo& take, double fadeIn, double fadeOut) {
  std::size_t in = static_cast<std::size_t>(fadeIn * kRate), out = static_cast<std::size_t>(fadeOut * kRate);
  for (std::size_t i = 0; i < take.Frames(); ++i) {
    double g = 1;
    if (i < in) g *= 0.5 - 0.5 * std::cos(M_PI * i / in);
    std::size_t left = take.Frames() - 1 - i;
    if (left < out) g *= 0.5 - 0.5 * std::cos(M_PI * left / out);
    take.left[i] = static_cast<float>(take.left[i] * g);
    take.right[i] = static_cast<float>(take.right[i] * g);
  }
}

void Level(Stereo& take, double rms, double ceiling) {
  double sum = 0;
  for (std::size_t i = 0; i < take.Frames(); ++i) sum += take.left[i] * take.left[i] + take.right[i] * take.right[i];
  double gain = rms / std::sqrt(sum / (2.0 * take.Frames()) + 1e-12);
  double knee = ceiling * 0.75;
  auto limit = [&](float& x) {
    double y = x * gain, m = std::abs(y);
    if (m > knee) m = knee + (ceiling - knee) * std::tanh((m - knee) / (ceiling - knee));
    x = static_cast<float>(std::copysign(m, y));
  };
  for (std::size_t i = 0; i < take.Frames(); ++i) {
    limit(take.left[i]);
    limit(take.right[i]);
  }
}

}  // namespace quil::assetgen
