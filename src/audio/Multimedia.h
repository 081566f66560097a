#pragma once

#include <string>

namespace quil::audio {

// What the audio layer needs of the machine's sound: short effects and one
// named music device per alias. The SDL2_mixer backend implements it; tests
// use a recording fake.
class Multimedia {
 public:
  virtual ~Multimedia() = default;

  // Starts a WAV effect and returns at once; it cuts off an effect still
  // sounding and sounds over the music. False when the file cannot be played.
  virtual bool PlayEffect(const std::string& path) = 0;

  // One named music device. Each returns 0 on success, otherwise an error code
  // (see MusicError.h).
  // Fails if the file cannot be opened or the alias is already open.
  virtual int OpenMusic(const std::string& path, const std::string& alias) = 0;
  // From the start, once, in the background; at the end the device stays open.
  virtual int PlayMusic(const std::string& alias) = 0;
  // Halts; the device stays open.
  virtual int StopMusic(const std::string& alias) = 0;
  // Releases the device and frees the alias.
  virtual int CloseMusic(const std::string& alias) = 0;
  // The device's message for a code.
  virtual std::string ErrorText(int code) const = 0;

  // Whether the track opened under `alias` is being heard right now; false
  // once it has played to its end, been stopped or closed.
  virtual bool MusicSounding(const std::string& alias) const = 0;
};

}  // namespace quil::audio
