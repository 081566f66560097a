#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>

#include "audio/Multimedia.h"

struct Mix_Chunk;
struct _Mix_Music;

namespace quil::audio {

// The machine's sound through SDL2_mixer: effects on one mixer channel, music
// on the mixer's single music stream. The mixer is process-wide, so at most
// one instance may exist at a time.
//
// Without an audio device the program runs on, silent: effects report that
// they were not played, and music devices open (only for files that can be
// read), play and stop without a sound, a track ending at once.
class SdlMixerMultimedia : public Multimedia {
 public:
  SdlMixerMultimedia();
  ~SdlMixerMultimedia() override;
  SdlMixerMultimedia(const SdlMixerMultimedia&) = delete;
  SdlMixerMultimedia& operator=(const SdlMixerMultimedia&) = delete;

  // Whether sound reaches an output device.
  bool Audible() const { return mixerOpen_; }

  bool PlayEffect(const std::string& path) override;
  int OpenMusic(const std::string& path, const std::string& alias) override;
  int PlayMusic(const std::string& alias) override;
  int StopMusic(const std::string& alias) override;
  int CloseMusic(const std::string& alias) override;
  std::string ErrorText(int code) const override;
  bool MusicSounding(const std::string& alias) const override;

 private:
  bool Playable(const std::string& path);
  void ReportOnce(const std::string& path, const std::string& reason);

  struct ChunkFree {
    void operator()(Mix_Chunk* chunk) const;
  };
  struct MusicFree {
    void operator()(_Mix_Music* music) const;
  };
  using ChunkPtr = std::unique_ptr<Mix_Chunk, ChunkFree>;
  // Null while silent: the alias is open but there is nothing to decode into.
  using MusicPtr = std::unique_ptr<_Mix_Music, MusicFree>;

  bool subsystemStarted_ = false;
  bool mixerOpen_ = false;
  // The effect on the channel; replaced, and so freed, by the next one.
  ChunkPtr effect_;
  std::map<std::string, MusicPtr> music_;
  // The alias whose track was last put on the music stream.
  std::string onStream_;
  // Files already named on stderr as unplayable.
  std::set<std::string> reported_;
};

}  // namespace quil::audio
