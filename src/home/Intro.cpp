#include "home/Intro.h"

#include <array>

#include "catalogue/Sounds.h"
#include "home/MenuGeometry.h"

namespace quil::home {

Intro::Intro(const Controls& controls, audio::SoundEffect& sound) : controls_(controls), sound_(sound) {
  controls_.blackSecond.OnTimer([this] { OnBlackSecondOver(); });
  controls_.pulse.OnTimer([this] { OnPulseTick(); });
  controls_.jingleDelay.OnTimer([this] { OnJingleDue(); });
  controls_.jingleHoldOff.OnTimer([this] { OnHoldOffOver(); });
}

void Intro::Begin() {
  controls_.warning.SetTop(geometry::kWarningTop);
  controls_.warning.SetLeft(geometry::kWarningLeft);
  controls_.promptOff.SetPicture(controls_.warning.Picture());
  controls_.blackSecond.SetEnabled(true);
}

void Intro::OnBlackSecondOver() {
  controls_.warning.SetVisible(true);
  controls_.pulse.SetEnabled(true);
  warningShown_ = true;
  controls_.blackSecond.SetEnabled(false);
}

// The prompt fades in over three ticks, holds a tick, fades out over three and
// stays off a tick.
void Intro::OnPulseTick() {
  const std::array<const rt::Image*, 8> pulse = {
      &controls_.promptFaint, &controls_.promptMiddle, &controls_.promptFull, nullptr,
      &controls_.promptMiddle, &controls_.promptFaint, &controls_.promptOff, nullptr,
  };
  if (const rt::Image* store = pulse[static_cast<std::size_t>(pulseStep_)])
    controls_.warning.SetPicture(store->Picture());
  pulseStep_ = (pulseStep_ + 1) % static_cast<int>(pulse.size());
}

void Intro::End() {
  controls_.pulse.SetEnabled(false);
  controls_.warning.SetVisible(false);
}

void Intro::OnJingleDue() {
  controls_.jingleHoldOff.SetEnabled(true);
  sound_.Play(catalogue::sounds::kStartup);
  controls_.jingleDelay.SetEnabled(false);
}

void Intro::OnHoldOffOver() { controls_.jingleHoldOff.SetEnabled(false); }

}  // namespace quil::home
