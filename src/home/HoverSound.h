#pragma once

#include "audio/SoundEffect.h"
#include "runtime/Timer.h"

namespace quil::home {

// The menu's one hover sound. Every hover target sounds it once, then it is
// held back until the pointer crosses a reset surface; nothing sounds while
// the pages scroll, even where the pointer crossed the background between two
// steps of the scroll.
class HoverSound {
 public:
  HoverSound(audio::SoundEffect& sound, const rt::Timer& scroll) : sound_(sound), scroll_(scroll) {}

  void Play();
  void HoldBack() { heldBack_ = true; }
  void ReArm() { heldBack_ = false; }
  bool HeldBack() const { return heldBack_; }

 private:
  audio::SoundEffect& sound_;
  const rt::Timer& scroll_;
  bool heldBack_ = false;
};

}  // namespace quil::home
