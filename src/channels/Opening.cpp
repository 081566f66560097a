// A channel screen opening: the page comes up at once, its title and
// screenshot a moment later, and the buttons stay silent for a while.
#include "channels/ChannelScreen.h"

namespace quil::channels {

void ChannelScreen::Form_Load() {
  HoverSoundPlayed = 1;
  Timer1.SetEnabled(true);
  Timer2.SetEnabled(true);
}

void ChannelScreen::Timer1_Timer() {
  // After an early "Start" the screen stays black: the page's return shows
  // the title and the screenshot with everything else.
  if (Image1.Visible()) {
    Image3.SetVisible(true);
    Label1.SetVisible(true);
  }
  Timer1.SetEnabled(false);
}

void ChannelScreen::Timer2_Timer() { Timer2.SetEnabled(false); }

}  // namespace quil::channels
