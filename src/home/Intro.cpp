// Form1: the intro. A second of black, then the warning whose prompt pulses
// until the intro click; half a second after the click the jingle plays, and
// for two more seconds the background's hover reset is held back.
#include <array>

#include "audio/Effects.h"
#include "home/Form1.h"
#include "runtime/Image.h"

namespace quil::home {
namespace {

// What the warning shows at each step of the prompt's pulse: the prompt fades
// in over three ticks, holds a tick, fades out over three and stays off a tick.
constexpr std::array<const char*, 8> kPulse = {
    "Image2",  // faint
    "Image6",  // middle
    "Image3",  // full
    nullptr,   // full still
    "Image6",  // middle
    "Image2",  // faint
    "Image4",  // off
    nullptr,   // off still
};

}  // namespace

void Form1::Timer1_Timer() {
  Get<rt::Image>("Image1").SetVisible(true);
  TimerNamed("TimerIntro").SetEnabled(true);
  IntroShown = true;
  TimerNamed("Timer1").SetEnabled(false);
}

void Form1::TimerIntro_Timer() {
  if (const char* store = kPulse[static_cast<std::size_t>(IntroFrame)])
    Get<rt::Image>("Image1").SetPicture(Get<rt::Image>(store).Picture());
  IntroFrame = (IntroFrame + 1) % static_cast<int>(kPulse.size());
}

void Form1::Timer2_Timer() {
  TimerNamed("Timer3").SetEnabled(true);
  Sound().Play(audio::effects::kStartup);
  TimerNamed("Timer2").SetEnabled(false);
}

void Form1::Timer3_Timer() { TimerNamed("Timer3").SetEnabled(false); }

}  // namespace quil::home
