#pragma once

#include "audio/SoundEffect.h"
#include "runtime/Image.h"
#include "runtime/Timer.h"

namespace quil::home {

// The intro: a second of black, then the warning whose prompt pulses until
// the intro click; half a second after the click the jingle plays, and for two
// more seconds the background's hover reset is held back.
class Intro {
 public:
  struct Controls {
    rt::Image& warning;
    // The pictures of the prompt's pulse, held by hidden images.
    rt::Image& promptFaint;
    rt::Image& promptMiddle;
    rt::Image& promptFull;
    rt::Image& promptOff;  // the warning's own picture, stored at the start
    rt::Timer& blackSecond;
    rt::Timer& pulse;
    rt::Timer& jingleDelay;
    rt::Timer& jingleHoldOff;
  };

  Intro(const Controls& controls, audio::SoundEffect& sound);
  Intro(const Intro&) = delete;
  Intro& operator=(const Intro&) = delete;

  // Places the warning, hidden, and starts the black second.
  void Begin();
  // The intro click: the warning goes; then the jingle is awaited.
  void End();
  void AwaitJingle() { controls_.jingleDelay.SetEnabled(true); }

  // The warning is up, so the intro click counts.
  bool WarningShown() const { return warningShown_; }
  // From the intro click until the jingle's hold-off is over.
  bool JingleRunning() const { return controls_.jingleDelay.Enabled() || controls_.jingleHoldOff.Enabled(); }

 private:
  void OnBlackSecondOver();
  void OnPulseTick();
  void OnJingleDue();
  void OnHoldOffOver();

  Controls controls_;
  audio::SoundEffect& sound_;
  bool warningShown_ = false;
  int pulseStep_ = 0;
};

}  // namespace quil::home
