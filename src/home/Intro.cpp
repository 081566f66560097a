// Form1: the intro. A second of black, then the warning whose prompt pulses
// until the intro click; half a second after the click the jingle plays, and
// for two more seconds the background's hover reset is held back.
#include <array>

#include "audio/Effects.h"
#include "home/Form1.h"
#include "runtime/Image.h"

namespace quil::home {

void Form1::Timer1_Timer() {
  Image1.SetVisible(true);
  TimerIntro.SetEnabled(true);
  IntroShown = true;
  Timer1.SetEnabled(false);
}

// What the warning shows at each step of the prompt's pulse: the prompt fades
// in over three ticks, holds a tick, fades out over three and stays off a tick.
void Form1::TimerIntro_Timer() {
  const std::array<const rt::Image*, 8> pulse = {
      &Image2,  // faint
      &Image6,  // middle
      &Image3,  // full
      nullptr,  // full still
      &Image6,  // middle
      &Image2,  // faint
      &Image4,  // off
      nullptr,  // off still
  };
  if (const rt::Image* store = pulse[static_cast<std::size_t>(IntroFrame)]) Image1.SetPicture(store->Picture());
  IntroFrame = (IntroFrame + 1) % static_cast<int>(pulse.size());
}

void Form1::Timer2_Timer() {
  Timer3.SetEnabled(true);
  Sound().Play(audio::effects::kStartup);
  Timer2.SetEnabled(false);
}

void Form1::Timer3_Timer() { Timer3.SetEnabled(false); }

}  // namespace quil::home
