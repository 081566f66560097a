// A channel screen opening: the page comes up at once, its title and
// screenshot a moment later, and the buttons stay silent for a while.
#include "channels/ChannelScreen.h"
#include "runtime/Image.h"
#include "runtime/Label.h"

namespace quil::channels {

void ChannelScreen::Form_Load() {
  HoverSoundPlayed = 1;
  TimerNamed("Timer1").SetEnabled(true);
  TimerNamed("Timer2").SetEnabled(true);
}

void ChannelScreen::Timer1_Timer() {
  // After an early "Start" the screen stays black: the page's return shows
  // the title and the screenshot with everything else.
  if (Get<rt::Image>("Image1").Visible()) {
    Get<rt::Image>("Image3").SetVisible(true);
    Get<rt::Label>("Label1").SetVisible(true);
  }
  TimerNamed("Timer1").SetEnabled(false);
}

void ChannelScreen::Timer2_Timer() { TimerNamed("Timer2").SetEnabled(false); }

}  // namespace quil::channels
