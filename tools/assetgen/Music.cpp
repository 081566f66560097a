// The five playlist tracks: a small sequencer that composes calm home-menu
// tunes from a few choices per song (key, tempo, chords, instruments, groove).
#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string_view>
#include <vector>

#include "Mp3Writer.h"
#include "Sounds.h"
#include "catalogue/Sounds.h"
#include "Synth.h"

namespace quil::assetgen {

namespace {

using Scale = std::array<int, 7>;
constexpr Scale kMajor = {0, 2, 4, 5, 7, 9, 11};
constexpr Scale kLydian = {0, 2, 4, 6, 7, 9, 11};
constexpr Scale kMixolydian = {0, 2, 4, 5, 7, 9, 10};
constexpr Scale kDorian = {0, 2, 3, 5, 7, 9, 10};

constexpr int kIntro = 2, kTune = 8;
constexpr int kBars = kIntro + 3 * kTune + 1;

enum class Comping { Arpeggio, Offbeats, Sustained };
enum class Groove { Brushes, Shaker, Bounce, Sparse };

struct Song {
  std::string_view file;
  double bpm;
  int tonic;  // MIDI note
  Scale scale;
  std::array<int, 8> progression;  // chord root per bar, as a scale degree from 0
  Voice melody, counter, comp;
  Comping comping;
  Groove groove;
  double swing;  // delay of the off-beat eighths, as a fraction of an eighth
  std::uint64_t seed;
};

using catalogue::sounds::FileName;
using catalogue::sounds::kMusic;

constexpr Song kSongs[] = {
    {FileName(kMusic[0]), 100, 65, kLydian, {0, 5, 1, 4, 0, 5, 3, 4}, Voice::Piano, Voice::Bell, Voice::Piano,
     Comping::Offbeats, Groove::Brushes, 0.12, 11},
    {FileName(kMusic[1]), 112, 62, kMajor, {0, 3, 5, 4, 0, 3, 1, 4}, Voice::Marimba, Voice::Bell, Voice::Pluck,
     Comping::Arpeggio, Groove::Shaker, 0.0, 23},
    {FileName(kMusic[2]), 84, 68, kMajor, {0, 2, 3, 4, 5, 2, 3, 4}, Voice::Bell, Voice::Marimba, Voice::Pad,
     Comping::Sustained, Groove::Sparse, 0.0, 37},
    {FileName(kMusic[3]), 118, 67, kMixolydian, {0, 6, 3, 0, 0, 6, 3, 4}, Voice::Lead, Voice::Marimba, Voice::Chip,
     Comping::Arpeggio, Groove::Bounce, 0.1, 41},
    {FileName(kMusic[4]), 94, 64, kDorian, {0, 3, 0, 3, 5, 4, 0, 4}, Voice::Piano, Voice::Lead, Voice::Pluck,
     Comping::Offbeats, Groove::Brushes, 0.18, 59},
};

struct NoteEvent {
  double beat, beats;
  int degree;  // scale degree counted from the tonic, may leave the octave
  double velocity;
};

class Composer {
 public:
  explicit Composer(const Song& song) : song_(song), random_(song.seed) {}

  int Midi(int degree, int octave = 0) const {
    int o = static_cast<int>(std::floor(degree / 7.0));
    return song_.tonic + 12 * (o + octave) + song_.scale[static_cast<std::size_t>(degree - 7 * o)];
  }
  // The intro plays the turnaround at the end of the progression.
  std::array<int, 4> Chord(int bar) const {
    int root = song_.progression[static_cast<std::size_t>(((bar - kIntro) % 8 + 8) % 8)];
    return {root, root + 2, root + 4, root + 6};
  }

  // A two-bar rhythm: strong beats are likelier onsets, and every phrase starts on one.
  std::vector<std::pair<int, int>> Rhythm() {
    std::vector<int> onsets{0};
    for (int slot = 1; slot < 14; ++slot) {
      double p = slot % 4 == 0 ? 0.75 : slot % 2 == 0 ? 0.45 : 0.18;
      if (random_.Chance(p)) onsets.push_back(slot);
    }
    std::vector<std::pair<int, int>> rhythm;
    for (std::size_t i = 0; i < onsets.size(); ++i) {
      int next = i + 1 < onsets.size() ? onsets[i + 1] : 16;
      int length = std::min(next - onsets[i], random_.Chance(0.3) ? 2 : 6);
      rhythm.push_back({onsets[i], std::max(1, length)});
    }
    return rhythm;
  }

  // Fits a rhythm to the chords of bars `bar` and `bar + 1`: chord tones on the
  // beats, steps between them, and a close on the tonic when asked.
  std::vector<NoteEvent> Phrase(const std::vector<std::pair<int, int>>& rhythm, int bar, int& degree, bool close) {
    std::vector<NoteEvent> notes;
    for (std::size_t i = 0; i < rhythm.size(); ++i) {
      auto [slot, length] = rhythm[i];
      int chordBar = bar + slot / 8;
      bool last = i + 1 == rhythm.size();
      if (close && last) {
        int root = Chord(chordBar)[0] % 7;
        degree = root + 7 * static_cast<int>(std::round((degree - root) / 7.0));
      } else if (slot % 4 == 0) {
        int best = degree, bestDistance = 99;
        for (int tone : Chord(chordBar))
          for (int octave = -1; octave <= 2; ++octave) {
            int candidate = tone % 7 + 7 * octave;
            int distance = std::abs(candidate - degree) + (candidate == degree ? 2 : 0);
            if (distance < bestDistance && candidate >= 2 && candidate <= 12) best = candidate, bestDistance = distance;
          }
        degree = best;
      } else {
        degree += random_.Chance(0.5) ? 1 : -1;
        if (random_.Chance(0.2)) degree += degree > 7 ? -1 : 1;
        degree = std::clamp(degree, 2, 12);
      }
      double beats = length * 0.5;
      if (close && last) beats = std::max(beats, 2.0);
      notes.push_back({bar * 4 + slot * 0.5, beats, degree, slot % 4 == 0 ? 0.95 : 0.75});
    }
    return notes;
  }

  // An eight-bar tune: motif, motif answered, a new motif, motif closing home.
  std::vector<NoteEvent> Tune(int firstBar) {
    auto motif = Rhythm(), contrast = Rhythm();
    std::vector<NoteEvent> tune;
    int degree = 4;
    for (int phrase = 0; phrase < 4; ++phrase) {
      auto& rhythm = phrase == 2 ? contrast : motif;
      auto part = Phrase(rhythm, firstBar + phrase * 2, degree, phrase == 3);
      tune.insert(tune.end(), part.begin(), part.end());
    }
    return tune;
  }

  Random& random() { return random_; }

 private:
  const Song& song_;
  Random random_;
};

class Arranger {
 public:
  Arranger(const Song& song, Stereo& take) : song_(song), take_(take), composer_(song), drums_(song.seed * 7) {}

  double Seconds(double beat) const {
    double whole = std::floor(beat * 2) / 2, part = beat - whole;
    bool offbeat = std::fmod(whole * 2, 2.0) == 1.0 && part == 0;
    return (beat + (offbeat ? song_.swing * 0.5 : 0)) * 60.0 / song_.bpm;
  }
  double Beats(double beats) const { return beats * 60.0 / song_.bpm; }

  void Melody(const std::vector<NoteEvent>& tune, Voice voice, int octave, double gain, double pan) {
    for (const auto& n : tune)
      take_.Add(RenderNote(voice, composer_.Midi(n.degree, octave), Beats(n.beats) * 0.92, n.velocity), Seconds(n.beat),
                gain, pan);
  }

  void Comp(int bar) {
    auto chord = composer_.Chord(bar);
    double start = bar * 4.0;
    switch (song_.comping) {
      case Comping::Arpeggio:
        for (int step = 0; step < 8; ++step) {
          static constexpr int kOrder[] = {0, 1, 2, 3, 2, 1, 2, 1};
          int tone = chord[static_cast<std::size_t>(kOrder[step])];
          take_.Add(RenderNote(song_.comp, composer_.Midi(tone, -1), Beats(0.4), step % 2 ? 0.6 : 0.8),
                    Seconds(start + step * 0.5), 0.16, step % 2 ? 0.35 : -0.35);
        }
        break;
      case Comping::Offbeats:
        for (double beat : {0.0, 1.5, 2.5}) {
          for (std::size_t i = 1; i < chord.size(); ++i)
            take_.Add(RenderNote(song_.comp, composer_.Midi(chord[i], -1), Beats(beat == 0 ? 1.2 : 0.7), 0.55),
                      Seconds(start + beat), 0.13, -0.25 + 0.15 * static_cast<double>(i));
        }
        break;
      case Comping::Sustained:
        for (std::size_t i = 0; i < chord.size(); ++i)
          take_.Add(RenderNote(song_.comp, composer_.Midi(chord[i], -1), Beats(3.6), 0.6), Seconds(start), 0.12,
                    -0.4 + 0.25 * static_cast<double>(i));
        break;
    }
  }

  void Bass(int bar, bool last) {
    auto chord = composer_.Chord(bar);
    int root = chord[0] % 7;
    if (last) {
      take_.Add(RenderNote(Voice::Bass, composer_.Midi(0, -2), Beats(3.5)), Seconds(bar * 4.0), 0.32);
      return;
    }
    static constexpr double kBeats[] = {0, 1.5, 2, 3.5};
    for (double beat : kBeats) {
      int degree = beat == 2 ? root + 4 : root;
      take_.Add(RenderNote(Voice::Bass, composer_.Midi(degree, -2), Beats(beat == 0 || beat == 2 ? 1.2 : 0.4),
                           beat == 0 ? 1.0 : 0.75),
                Seconds(bar * 4.0 + beat), 0.32);
    }
  }

  void Percussion(int bar) {
    auto hit = [&](Drum drum, double beat, double gain, double pan = 0) {
      take_.Add(RenderDrum(drum, drums_), Seconds(bar * 4.0 + beat), gain, pan);
    };
    switch (song_.groove) {
      case Groove::Brushes:
        hit(Drum::Kick, 0, 0.35);
        hit(Drum::Kick, 2.5, 0.22);
        for (int eighth = 0; eighth < 8; ++eighth) hit(Drum::Shaker, eighth * 0.5, eighth % 2 ? 0.09 : 0.14, 0.3);
        hit(Drum::Snare, 1, 0.1, -0.1);
        hit(Drum::Snare, 3, 0.1, -0.1);
        break;
      case Groove::Shaker:
        hit(Drum::Kick, 0, 0.32);
        hit(Drum::Kick, 2, 0.28);
        for (int sixteenth = 0; sixteenth < 16; ++sixteenth)
          hit(Drum::Shaker, sixteenth * 0.25, sixteenth % 4 == 2 ? 0.14 : 0.07, -0.3);
        hit(Drum::Rim, 1, 0.1, 0.2);
        hit(Drum::Rim, 3, 0.1, 0.2);
        break;
      case Groove::Bounce:
        for (int beat = 0; beat < 4; ++beat) hit(Drum::Kick, beat, beat % 2 ? 0.2 : 0.32);
        for (int eighth = 0; eighth < 8; ++eighth) hit(Drum::Hat, eighth * 0.5, eighth % 2 ? 0.12 : 0.07, 0.35);
        hit(Drum::Snare, 1, 0.14);
        hit(Drum::Snare, 3, 0.14);
        break;
      case Groove::Sparse:
        hit(Drum::Kick, 0, 0.25);
        hit(Drum::Rim, 2, 0.08, 0.25);
        hit(Drum::Shaker, 3.5, 0.07, -0.3);
        break;
    }
  }

  // Intro, tune, second tune, tune again with a counter-melody, and an ending.
  void Arrange() {
    std::vector<NoteEvent> a = composer_.Tune(kIntro), b = composer_.Tune(kIntro + kTune);
    std::vector<NoteEvent> reprise = a;
    for (auto& n : reprise) n.beat += 2 * kTune * 4;
    for (int bar = 0; bar < kBars; ++bar) {
      bool last = bar == kBars - 1;
      if (last) {
        for (int degree : {0, 2, 4, 6})
          take_.Add(RenderNote(song_.comp, composer_.Midi(degree, -1), Beats(3.5), 0.6), Seconds(bar * 4.0), 0.13);
      } else {
        Comp(bar);
        if (bar >= kIntro) Percussion(bar);
      }
      Bass(bar, last);
    }
    Melody(a, song_.melody, 0, 0.3, -0.1);
    Melody(b, song_.melody, 0, 0.3, 0.1);
    Melody(reprise, song_.melody, 0, 0.3, -0.1);
    std::vector<NoteEvent> counter;
    for (const auto& n : reprise)
      if (n.velocity > 0.9) counter.push_back({n.beat + 0.5, 0.9, n.degree + 2, 0.5});
    Melody(counter, song_.counter, 1, 0.14, 0.45);
  }

 private:
  const Song& song_;
  Stereo& take_;
  Composer composer_;
  Random drums_;
};

}  // namespace

void WriteTrack(const std::string& name, const std::filesystem::path& file) {
  for (const Song& song : kSongs) {
    if (song.file != name) continue;
    const double seconds = kBars * 4 * 60.0 / song.bpm + 3.0;
    Stereo take(seconds);
    Arranger(song, take).Arrange();
    AddReverb(take, 0.28);
    Level(take, 0.11, 0.84);
    Fade(take, 0.01, 1.5);
    WriteMp3(take, 160, file);
    return;
  }
  throw std::runtime_error("no music track named " + name);
}

}  // namespace quil::assetgen
