#pragma once

#include <map>
#include <string>
#include <vector>

#include "audio/Multimedia.h"

namespace quil::test {

// One request to a music device, as the fake received it.
struct MusicCall {
  enum class Kind { Open, Play, Stop, Close };
  Kind kind;
  std::string alias;
  std::string path;  // for Open only
  int result;
};

// A recording sound device that keeps the device contract: opening a file
// that is not on disk or an alias already open fails; stop keeps the alias
// open, close frees it; play sounds once, until the test calls FinishTrack.
class FakeMultimedia : public audio::Multimedia {
 public:
  bool PlayEffect(const std::string& path) override;
  int OpenMusic(const std::string& path, const std::string& alias) override;
  int PlayMusic(const std::string& alias) override;
  int StopMusic(const std::string& alias) override;
  int CloseMusic(const std::string& alias) override;
  std::string ErrorText(int code) const override;
  bool MusicSounding(const std::string& alias) const override;

  // The sounding track plays to its end; its device stays open.
  void FinishTrack();
  // Path of the track being heard, empty when none is.
  std::string SoundingTrack() const;
  bool MusicOpen(const std::string& alias) const { return open_.contains(alias); }

  // Every effect asked for, found or not, in order.
  const std::vector<std::string>& Effects() const { return effects_; }
  // The music requests in order, as text: "open <path> <alias>", "play <alias>",
  // "stop <alias>", "close <alias>".
  const std::vector<std::string>& Commands() const { return commands_; }
  const std::vector<MusicCall>& Calls() const { return calls_; }
  void ClearLog();

 private:
  struct Device {
    std::string path;
    bool sounding = false;
  };

  int Record(MusicCall call);

  std::map<std::string, Device> open_;
  std::vector<std::string> effects_;
  std::vector<std::string> commands_;
  std::vector<MusicCall> calls_;
};

}  // namespace quil::test
