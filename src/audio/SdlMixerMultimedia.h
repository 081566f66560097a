#pragma once

#include <atomic>
#include <map>
#include <memory>
#include <set>
#include <string>

#include "audio/Multimedia.h"
#include "runtime/Trace.h"

struct Mix_Chunk;
struct _Mix_Music;

namespace quil::audio {

struct MixerLibrary;

// The machine's sound through SDL2_mixer: effects on one mixer channel, music
// on the mixer's single music stream. The mixer is process-wide, so at most
// one instance may exist at a time.
//
// Without an audio device the program runs on, silent: effects report that
// they were not played, and music devices open (only for files that can be
// read), play and stop without a sound, a track ending at once.
//
// The device opens on first use, or earlier through Open: loading the mixer
// library and opening the device take tens of milliseconds that a program's
// first frame should not wait for.
class SdlMixerMultimedia : public Multimedia {
 public:
  SdlMixerMultimedia();
  ~SdlMixerMultimedia() override;
  SdlMixerMultimedia(const SdlMixerMultimedia&) = delete;
  SdlMixerMultimedia& operator=(const SdlMixerMultimedia&) = delete;

  // Opens the sound device now, if it is not open yet and not let go.
  void Open();
  // Lets the sound device go, for another program to have it, until Reopen:
  // what sounds is cut off, and until then nothing sounds (open music devices
  // stay open, silent).
  void Close();
  void Reopen();
  // Whether sound reaches an output device.
  bool Audible() {
    Open();
    return mixerOpen_;
  }
  // Records each effect started and the moment its first samples leave the
  // mixer in `sink`; set before the device opens.
  void SetTrace(rt::TraceSink* sink) { trace_ = sink; }

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

  static void AfterMix(void* self, unsigned char* stream, int length);

  bool opened_ = false;
  bool letGo_ = false;
  const MixerLibrary* mix_ = nullptr;
  bool subsystemStarted_ = false;
  bool mixerOpen_ = false;
  // The effect on the channel; replaced, and so freed, by the next one.
  ChunkPtr effect_;
  std::map<std::string, MusicPtr> music_;
  // The alias whose track was last put on the music stream.
  std::string onStream_;
  rt::TraceSink* trace_ = nullptr;
  // While tracing: the effect just started, until the mixer's thread has
  // mixed its first samples.
  std::atomic<Mix_Chunk*> unheard_ = nullptr;
  // Files already named on stderr as unplayable.
  std::set<std::string> reported_;
};

}  // namespace quil::audio
