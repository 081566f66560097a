#pragma once

#include <functional>

#include "runtime/PictureBox.h"
#include "runtime/Timer.h"

namespace quil::home {

// The zoom after a game tile's click: a plain box grows around the middle of
// the screen, one step per tick, until it covers the screen; then the channel
// screen of the tile's code comes up in front and the box is put away.
class Zoom {
 public:
  struct Controls {
    rt::PictureBox& box;
    rt::Timer& growth;
  };
  // Brings the channel screen of a screen code to the front.
  using ChannelOpener = std::function<void(int screenCode)>;

  Zoom(const Controls& controls, ChannelOpener openChannel);
  Zoom(const Zoom&) = delete;
  Zoom& operator=(const Zoom&) = delete;

  // The box hidden in its resting place, and the first screen chosen.
  void Reset();
  // A click during a running zoom only changes the screen the zoom will open;
  // the box goes on growing from where it is.
  void Open(int screenCode);
  // The channel screen the zoom opens.
  int ScreenCode() const { return screenCode_; }

 private:
  void OnGrowthTick();
  void PutBoxAway();

  Controls controls_;
  ChannelOpener openChannel_;
  int screenCode_ = 0;
};

}  // namespace quil::home
