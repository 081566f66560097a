#pragma once

#include "home/MenuMusic.h"
#include "audio/SoundEffect.h"
#include "runtime/Frame.h"
#include "runtime/Label.h"
#include "runtime/Timer.h"

namespace quil::home {

// The small "Music" panel of the home menu: it rises from below the screen on
// one key and sinks back on another, and its two symbol buttons step through
// the playlist. Its only state is the frame's Top, read back at every decision.
class MusicPanel {
 public:
  struct Controls {
    rt::Frame& frame;
    rt::Label& back;  // the previous-track symbol
    rt::Label& next;  // the next-track symbol
    rt::Timer& raise;
    rt::Timer& lower;
  };

  MusicPanel(const Controls& controls, MenuMusic& music, audio::SoundEffect& sound);
  // The controls call back into this object.
  MusicPanel(const MusicPanel&) = delete;
  MusicPanel& operator=(const MusicPanel&) = delete;

  // The raise key: refused once the panel is up or nearly so.
  void Raise();
  // The lower key: refused while the panel is down.
  void Lower();

 private:
  void OnRaiseTick();
  void OnLowerTick();
  // The symbol under the pointer turns dark; the panel's ground turns both grey again.
  void OnPointerOverSymbol(rt::Label& symbol);
  void OnPointerOverPanel();
  void StepTrack(int step);

  Controls controls_;
  MenuMusic& music_;
  audio::SoundEffect& sound_;
};

}  // namespace quil::home
