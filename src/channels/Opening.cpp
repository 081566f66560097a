// A channel screen opening: the page comes up at once, its title and
// screenshot a moment later, and the buttons stay silent for a while.
#include "channels/ChannelScreen.h"

namespace quil::channels {

void ChannelScreen::OnLoaded() {
  hoverHeldBack_ = true;
  controls_.titleDelay.SetEnabled(true);
  controls_.hoverHoldOff.SetEnabled(true);
}

void ChannelScreen::OnTitleDue() {
  // After an early "Start" the screen stays black: the page's return shows
  // the title and the screenshot with everything else.
  if (controls_.menuButton.Visible()) {
    controls_.screenshot.SetVisible(true);
    controls_.title.SetVisible(true);
  }
  controls_.titleDelay.SetEnabled(false);
}

void ChannelScreen::OnHoverHoldOffOver() { controls_.hoverHoldOff.SetEnabled(false); }

}  // namespace quil::channels
