#include "audio/SdlMixerMultimedia.h"

#include <SDL.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <vector>

#include "audio/MixerLibrary.h"
#include "audio/Mp3Probe.h"
#include "audio/MusicError.h"

namespace quil::audio {
namespace {

constexpr int kEffectChannel = 0;
constexpr int kSampleRate = 44100;
constexpr int kChannels = 2;
// Frames the mixer fills at a time: a new effect waits for the next buffer,
// so this bounds the delay from a hover to its sound (512 frames are 11.6 ms,
// where 2048 were 46 ms). Mixing one track and one effect takes well under a
// millisecond of each 11.6, ample room against underruns.
constexpr int kChunkSize = 512;
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

// Chunks and tracks exist only once the library is loaded.
void SdlMixerMultimedia::ChunkFree::operator()(Mix_Chunk* chunk) const { MixerLibrary::Get()->FreeChunk(chunk); }
void SdlMixerMultimedia::MusicFree::operator()(_Mix_Music* music) const { MixerLibrary::Get()->FreeMusic(music); }

SdlMixerMultimedia::SdlMixerMultimedia() = default;

void SdlMixerMultimedia::Open() {
  if (opened_ || letGo_) return;
  opened_ = true;
  mix_ = MixerLibrary::Get();
  if (!mix_) {
    std::fprintf(stderr, "Quil OS: no sound output (SDL2_mixer cannot be loaded); going on without sound\n");
    return;
  }
  LeaveOutAbsentSoundServer();
  subsystemStarted_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (subsystemStarted_) {
    mix_->Init(MIX_INIT_MP3);
    mixerOpen_ = mix_->OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, kChannels, kChunkSize) == 0;
  }
  if (!mixerOpen_) {
    std::fprintf(stderr, "Quil OS: no sound output (%s); going on without sound\n", SDL_GetError());
    return;
  }
  mix_->AllocateChannels(1);
  if (trace_) mix_->SetPostMix(&SdlMixerMultimedia::AfterMix, this);
}

// Runs on the mixer's thread with the mixer locked, right after a buffer is
// mixed: an effect on its channel now was in that buffer.
void SdlMixerMultimedia::AfterMix(void* self, unsigned char*, int) {
  auto* media = static_cast<SdlMixerMultimedia*>(self);
  Mix_Chunk* unheard = media->unheard_.load();
  const MixerLibrary& mix = *media->mix_;
  if (!unheard || mix.GetChunk(kEffectChannel) != unheard || !mix.Playing(kEffectChannel)) return;
  media->unheard_ = nullptr;
  media->trace_->Record(rt::TraceKind::EffectHeard, "mixer");
}

SdlMixerMultimedia::~SdlMixerMultimedia() { Close(); }

void SdlMixerMultimedia::Reopen() {
  letGo_ = false;
  Open();
}

// Tracks are decoded for the mixer that loaded them: freed with it, and their
// aliases left open and silent, as without a device.
void SdlMixerMultimedia::Close() {
  effect_.reset();
  unheard_ = nullptr;
  for (auto& [alias, music] : music_) music.reset();
  onStream_.clear();
  if (mixerOpen_) {
    mix_->SetPostMix(nullptr, nullptr);
    mix_->CloseAudio();
  }
  if (subsystemStarted_) {
    mix_->Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
  mixerOpen_ = subsystemStarted_ = opened_ = false;
  letGo_ = true;
}

bool SdlMixerMultimedia::PlayEffect(const std::string& path) {
  if (trace_) trace_->Record(rt::TraceKind::Effect, "mixer", std::filesystem::path(path).filename().string());
  Open();
  if (!mixerOpen_ || !Playable(path)) return false;
  ChunkPtr chunk(mix_->LoadWAV(path.c_str()));
  if (!chunk) {
    ReportOnce(path, Mix_GetError());
    return false;
  }
  if (trace_) unheard_ = chunk.get();
  // Playing on the one effect channel cuts off the effect still sounding there.
  if (mix_->PlayChannel(kEffectChannel, chunk.get(), 0) < 0) return false;
  effect_ = std::move(chunk);
  return true;
}

int SdlMixerMultimedia::OpenMusic(const std::string& path, const std::string& alias) {
  Open();
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
  MusicPtr music(mix_->LoadMUS(path.c_str()));
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
  if (mix_->PlayMusic(entry->second.get(), kPlayOnce) != 0) return kMusicPlaybackFailed;
  return kMusicOk;
}

int SdlMixerMultimedia::StopMusic(const std::string& alias) {
  if (!music_.contains(alias)) return kMusicAliasNotOpen;
  if (onStream_ == alias) {
    if (mixerOpen_) mix_->HaltMusic();
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

// A missing file is silent without a word; anything else in its place is named.
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
  return mix_->PlayingMusic() != 0;
}

}  // namespace quil::audio
