#include "audio/SdlMixerMultimedia.h"

#include <SDL.h>

#include <filesystem>

#include "audio/MixerLibrary.h"
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

// What a silent device can still check: the file is there and can be read.
bool Readable(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(std::filesystem::path(path), error)) return false;
  SDL_RWops* file = SDL_RWFromFile(path.c_str(), "rb");
  if (!file) return false;
  SDL_RWclose(file);
  return true;
}

}  // namespace

// Chunks and tracks exist only once the library is loaded.
void SdlMixerMultimedia::ChunkFree::operator()(Mix_Chunk* chunk) const { MixerLibrary::Get()->FreeChunk(chunk); }
void SdlMixerMultimedia::MusicFree::operator()(_Mix_Music* music) const { MixerLibrary::Get()->FreeMusic(music); }

SdlMixerMultimedia::SdlMixerMultimedia() = default;

void SdlMixerMultimedia::Open() {
  if (opened_) return;
  opened_ = true;
  mix_ = MixerLibrary::Get();
  if (!mix_) return;
  subsystemStarted_ = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
  if (!subsystemStarted_) return;
  mix_->Init(MIX_INIT_MP3);
  mixerOpen_ = mix_->OpenAudio(kSampleRate, MIX_DEFAULT_FORMAT, kChannels, kChunkSize) == 0;
  if (!mixerOpen_) return;
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

SdlMixerMultimedia::~SdlMixerMultimedia() {
  // Chunks and tracks must go while the mixer that plays them still exists.
  effect_.reset();
  music_.clear();
  if (mixerOpen_) {
    mix_->SetPostMix(nullptr, nullptr);
    mix_->CloseAudio();
  }
  if (subsystemStarted_) {
    mix_->Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }
}

bool SdlMixerMultimedia::PlayEffect(const std::string& path) {
  if (trace_) trace_->Record(rt::TraceKind::Effect, "mixer", std::filesystem::path(path).filename().string());
  Open();
  if (!mixerOpen_) return false;
  ChunkPtr chunk(mix_->LoadWAV(path.c_str()));
  if (!chunk) return false;
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
  MusicPtr music(mix_->LoadMUS(path.c_str()));
  if (!music) return kMusicFileUnplayable;
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

std::string SdlMixerMultimedia::ErrorText(int code) const { return MusicErrorText(code); }

bool SdlMixerMultimedia::MusicSounding(const std::string& alias) const {
  auto entry = music_.find(alias);
  if (entry == music_.end() || !entry->second || onStream_ != alias) return false;
  return mix_->PlayingMusic() != 0;
}

}  // namespace quil::audio
