#include "audio/SdlMixerMultimedia.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <vector>

#include "audio/Mp3Probe.h"
#include "audio/MusicError.h"

namespace quil::audio {
namespace {

constexpr int kEffectChannel = 0;
constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
constexpr int kChunkSize = 2048;
// SDL2_mixer plays a track once for a loop count of 1.
constexpr int kPlayOnce = 1;

enum class Found { Nothing, NotAFile, File };

// Only an ordinary file is handed to the decoders: opening a named pipe would
// wait for a writer that may never come, and the interface with it.
Found Look(const std::string& path) {
  std::error_code error;
  const auto status = std::filesystem::status(std::filesystem::path(path), error);
  if (!std::filesystem::exists(status)) return Found::Nothing;
  return std::filesystem::is_regular_file(status) ? Found::File : Found::NotAFile;
}

// What a silent device can still check: the file is there and can be read.
bool Readable(const std::string& path) {
  if (Look(path) != Found::File) return false;
  SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
  if (!file) return false;
  SDL_RWclose(file);
  return true;
}

bool PulseServerRunning() {
  if (SDL_getenv("PULSE_SERVER")) return true;
  std::vector<std::string> sockets{"/run/pulse/native"};
  if (const char* runtime = SDL_getenv("XDG_RUNTIME_DIR")) sockets.push_back(std::string(runtime) + "/pulse/native");
  std::error_code error;
  return std::ranges::any_of(sockets, [&](const std::string& socket) { return std::filesystem::exists(socket, error); });
}

// Looking for a sound server that is not running, PulseAudio's client makes
// folders in the home and temporary folders; a program that writes no files
// leaves that driver out then, unless the user chose the driver.
void LeaveOutAbsentSoundServer() {
  const char* chosen = SDL_GetHint(SDL_HINT_AUDIODRIVER);
  if ((chosen && *chosen) || PulseServerRunning()) return;
  std::string drivers;
  for (int i = 0; i < SDL_GetNumAudioDrivers(); ++i) {
    const std::string_view driver = SDL_GetAudioDriver(i);
    // The file and dummy outputs are for tests, chosen by name only.
    if (driver == "pulseaudio" || driver == "disk" || driver == "dummy") continue;
    if (!drivers.empty()) drivers += ',';
    drivers += driver;
  }
  SDL_SetHint(SDL_HINT_AUDIODRIVER, drivers.c_str());
}

}  // namespace

void SdlMixerMultimedia::ChunkFree::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }
void SdlMixerMultimedia::MusicFree::operator()(_Mix_Music* music) const { Mix_FreeMusic(music); }

SdlMixerMultimedia::SdlMixerMultimedia() {
  LeaveOutAbsentSoundServer();
  subsystemStarted_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (subsystemStarted_) {
    Mix_Init(MIX_INIT_MP3);
    mixerOpen_ = Mix_OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, kChannels, kChunkSize) == 0;
  }
  if (mixerOpen_)
    Mix_AllocateChannels(1);
  else
    std::fprintf(stderr, "Quil OS: no sound output (%s); going on without sound\n", SDL_GetError());
}

SdlMixerMultimedia::~SdlMixerMultimedia() {
  // Chunks and tracks must go while the mixer that plays them still exists.
  effect_.reset();
  music_.clear();
  if (mixerOpen_) Mix_CloseAudio();
  if (subsystemStarted_) {
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
}

bool SdlMixerMultimedia::PlayEffect(const std::string& path) {
  if (!mixerOpen_ || !Playable(path)) return false;
  ChunkPtr chunk(Mix_LoadWAV(path.c_str()));
  if (!chunk) {
    ReportOnce(path, Mix_GetError());
    return false;
  }
  // Playing on the one effect channel cuts off the effect still sounding there.
  if (Mix_PlayChannel(kEffectChannel, chunk.get(), 0) < 0) return false;
  effect_ = std::move(chunk);
  return true;
}

int SdlMixerMultimedia::OpenMusic(const std::string& path, const std::string& alias) {
  if (music_.contains(alias)) return kMusicAliasInUse;
  if (!mixerOpen_) {
    if (!Readable(path)) return kMusicFileUnplayable;
    music_.emplace(alias, nullptr);
    return kMusicOk;
  }
  if (!Playable(path)) return kMusicFileUnplayable;
  if (std::string why; !HoldsMp3Audio(path, why)) {
    ReportOnce(path, why);
    return kMusicFileUnplayable;
  }
  MusicPtr music(Mix_LoadMUS(path.c_str()));
  if (!music) {
    ReportOnce(path, Mix_GetError());
    return kMusicFileUnplayable;
  }
  music_.emplace(alias, std::move(music));
  return kMusicOk;
}

int SdlMixerMultimedia::PlayMusic(const std::string& alias) {
  auto entry = music_.find(alias);
  if (entry == music_.end()) return kMusicAliasNotOpen;
  onStream_ = alias;
  if (!entry->second) return kMusicOk;
  if (Mix_PlayMusic(entry->second.get(), kPlayOnce) != 0) return kMusicPlaybackFailed;
  return kMusicOk;
}

int SdlMixerMultimedia::StopMusic(const std::string& alias) {
  if (!music_.contains(alias)) return kMusicAliasNotOpen;
  if (onStream_ == alias) {
    if (mixerOpen_) Mix_HaltMusic();
    onStream_.clear();
  }
  return kMusicOk;
}

int SdlMixerMultimedia::CloseMusic(const std::string& alias) {
  const int stopped = StopMusic(alias);
  if (stopped != kMusicOk) return stopped;
  music_.erase(alias);
  return kMusicOk;
}

// A missing file is silent by design; anything else in its place is named.
bool SdlMixerMultimedia::Playable(const std::string& path) {
  switch (Look(path)) {
    case Found::Nothing: return false;
    case Found::NotAFile: ReportOnce(path, "not an ordinary file"); return false;
    case Found::File: return true;
  }
  return false;
}

// One line for each bad file, however often the menu asks for it.
void SdlMixerMultimedia::ReportOnce(const std::string& path, const std::string& reason) {
  if (!reported_.insert(path).second) return;
  std::fprintf(stderr, "Quil OS: cannot play %s: %s\n", path.c_str(), reason.c_str());
}

std::string SdlMixerMultimedia::ErrorText(int code) const { return MusicErrorText(code); }

bool SdlMixerMultimedia::MusicSounding(const std::string& alias) const {
  auto entry = music_.find(alias);
  if (entry == music_.end() || !entry->second || onStream_ != alias) return false;
  return Mix_PlayingMusic() != 0;
}

}  // namespace quil::audio
