// The short sound effects of the home menu and the channel screens.
#include <sndfile.h>

#include <stdexcept>
#include <string_view>

#include "Sounds.h"
#include "catalogue/Sounds.h"
#include "Synth.h"

namespace quil::assetgen {

namespace {

struct Note {
  double at, midi, hold, velocity, pan;
};

void Play(Stereo& take, Voice voice, std::initializer_list<Note> notes, double gain) {
  for (const Note& n : notes) take.Add(RenderNote(voice, n.midi, n.hold, n.velocity), n.at, gain, n.pan);
}

void HoverTick(Stereo& take, Random&) {
  Play(take, Voice::Marimba, {{0, 96, 0.01, 1, 0}}, 0.6);
  Play(take, Voice::Bell, {{0, 103, 0.005, 0.25, 0}}, 0.4);
}

void Click(Stereo& take, Random& random) {
  take.Add(RenderDrum(Drum::Rim, random), 0, 0.8);
  Play(take, Voice::Marimba, {{0.002, 91, 0.01, 1, 0}}, 0.5);
}

void StartupJingle(Stereo& take, Random&) {
  Play(take, Voice::Bell, {{0.00, 72, 0.1, 0.8, -0.4}, {0.14, 76, 0.1, 0.8, -0.15}, {0.28, 79, 0.1, 0.85, 0.15},
                           {0.42, 83, 0.1, 0.85, 0.4}, {0.62, 84, 0.6, 1, 0}}, 0.5);
  Play(take, Voice::Pad, {{0.05, 60, 1.1, 0.7, -0.3}, {0.05, 64, 1.1, 0.6, 0.3}, {0.05, 71, 1.1, 0.5, 0},
                          {0.05, 67, 1.1, 0.6, 0}}, 0.35);
  Play(take, Voice::Piano, {{0.62, 48, 0.9, 0.7, 0}, {0.62, 55, 0.9, 0.5, 0}}, 0.45);
  AddReverb(take, 0.35);
}

void PageWhoosh(Stereo& take, Random& random) {
  take.Add(Whoosh(0.32, 500, 5200, random), 0, 1.0, -0.5);
  take.Add(Whoosh(0.32, 600, 6000, random), 0.01, 1.0, 0.5);
  take.Add(RenderDrum(Drum::Shaker, random), 0.27, 0.5);
}

void GameShowSting(Stereo& take, Random&) {
  Play(take, Voice::Chip, {{0.00, 72, 0.05, 0.8, -0.3}, {0.06, 76, 0.05, 0.8, -0.1}, {0.12, 79, 0.05, 0.8, 0.1},
                           {0.18, 84, 0.05, 0.8, 0.3}, {0.24, 88, 0.05, 0.8, 0.1}, {0.30, 91, 0.05, 0.8, -0.1}}, 0.35);
  Play(take, Voice::Brass, {{0.40, 72, 0.55, 1, -0.3}, {0.40, 76, 0.55, 0.9, 0.3}, {0.40, 79, 0.55, 0.9, 0},
                            {0.40, 84, 0.55, 0.8, 0}}, 0.35);
  Play(take, Voice::Bell, {{0.40, 96, 0.3, 0.6, 0}}, 0.3);
  AddReverb(take, 0.25);
}

void ForecastSting(Stereo& take, Random&) {
  Play(take, Voice::Marimba, {{0.0, 77, 0.1, 0.9, -0.3}, {0.16, 81, 0.1, 0.9, -0.1}, {0.32, 84, 0.1, 0.9, 0.1},
                              {0.48, 88, 0.3, 1, 0.3}}, 0.6);
  Play(take, Voice::Pad, {{0.0, 65, 0.9, 0.6, -0.2}, {0.0, 69, 0.9, 0.6, 0.2}, {0.0, 72, 0.9, 0.5, 0},
                          {0.0, 76, 0.9, 0.4, 0}}, 0.3);
  AddReverb(take, 0.3);
}

void NewsSting(Stereo& take, Random& random) {
  Play(take, Voice::Brass, {{0.00, 67, 0.1, 0.8, -0.2}, {0.00, 74, 0.1, 0.8, 0.2}, {0.18, 67, 0.1, 0.8, -0.2},
                            {0.18, 74, 0.1, 0.8, 0.2}, {0.36, 72, 0.6, 1, -0.2}, {0.36, 76, 0.6, 1, 0.2},
                            {0.36, 79, 0.6, 0.9, 0}}, 0.35);
  take.Add(RenderDrum(Drum::Snare, random), 0.36, 0.3);
  take.Add(RenderDrum(Drum::Kick, random), 0.36, 0.5);
  AddReverb(take, 0.25);
}

void PopUp(Stereo& take, Random&) { take.Add(Glide(0.14, 380, 960), 0, 1); }

void Close(Stereo& take, Random&) { take.Add(Glide(0.14, 900, 360), 0, 1); }

void MenuChime(Stereo& take, Random&) {
  Play(take, Voice::Bell, {{0, 88, 0.1, 0.9, -0.2}, {0.11, 95, 0.3, 1, 0.2}}, 0.5);
  AddReverb(take, 0.3);
}

void StartFanfare(Stereo& take, Random& random) {
  Play(take, Voice::Brass, {{0.00, 67, 0.09, 0.9, 0}, {0.11, 67, 0.09, 0.9, 0}, {0.22, 67, 0.09, 0.9, 0},
                            {0.34, 72, 0.9, 1, -0.2}, {0.34, 76, 0.9, 0.9, 0.2}, {0.34, 79, 0.9, 0.9, 0},
                            {0.34, 60, 0.9, 0.8, 0}}, 0.3);
  Play(take, Voice::Bell, {{0.34, 91, 0.5, 0.5, 0}}, 0.3);
  take.Add(RenderDrum(Drum::Kick, random), 0.34, 0.6);
  take.Add(RenderDrum(Drum::Snare, random), 0.34, 0.3);
  AddReverb(take, 0.3);
}

struct Effect {
  std::string_view name;
  double seconds;  // including the tail left to the reverb
  double peak;     // hover and click stay soft; stings are fuller
  void (*compose)(Stereo&, Random&);
};

using catalogue::sounds::FileName;
namespace sounds = catalogue::sounds;

constexpr Effect kEffects[] = {
    {FileName(sounds::kHover), 0.09, 0.35, HoverTick},
    {FileName(sounds::kClick), 0.08, 0.6, Click},
    {FileName(sounds::kStartup), 2.1, 0.8, StartupJingle},
    {FileName(sounds::kNextPage), 0.4, 0.6, PageWhoosh},
    {FileName(sounds::kGameTile), 1.4, 0.8, GameShowSting},
    {FileName(sounds::kForecast), 1.7, 0.75, ForecastSting},
    {FileName(sounds::kNews), 1.5, 0.8, NewsSting},
    {FileName(sounds::kMusicPanelRaise), 0.16, 0.6, PopUp},
    {FileName(sounds::kMusicPanelLower), 0.16, 0.6, Close},
    {FileName(sounds::kQuilMenuButton), 0.9, 0.7, MenuChime},
    {FileName(sounds::kStart), 1.8, 0.8, StartFanfare},
};

}  // namespace

void WriteEffect(const std::string& name, const std::filesystem::path& file) {
  for (const Effect& effect : kEffects) {
    if (effect.name != name) continue;
    Stereo take(effect.seconds);
    Random random(0x5EED0000 + effect.name.size());
    effect.compose(take, random);
    Normalise(take, effect.peak);
    Fade(take, 0.003, 0.02);
    std::filesystem::create_directories(file.parent_path());
    SF_INFO info{};
    info.samplerate = kRate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* out = sf_open(file.c_str(), SFM_WRITE, &info);
    if (!out) throw std::runtime_error("cannot write " + file.string());
    std::vector<float> frames;
    for (std::size_t i = 0; i < take.Frames(); ++i) frames.insert(frames.end(), {take.left[i], take.right[i]});
    sf_writef_float(out, frames.data(), static_cast<sf_count_t>(take.Frames()));
    sf_close(out);
    return;
  }
  throw std::runtime_error("no sound effect named " + name);
}

}  // namespace quil::assetgen
