// "Start" on a channel screen: the page goes, the pointer follows half a second
// later (and the user's game, if the channel has one, starts), and once the
// lock-out is over a movement brings both back.
#include "audio/Effects.h"
#include "channels/ChannelScreen.h"

namespace quil::channels {

void ChannelScreen::Image2_Click() {
  Sound().Play(audio::effects::kStart);
  SetPageVisible(false);
  Timer3.SetEnabled(true);
  TimerStart.SetEnabled(true);
}

void ChannelScreen::Timer3_Timer() {
  SetMouseIcon(Image5.Picture());
  Timer3.SetEnabled(false);
  StartGame();
}

void ChannelScreen::TimerStart_Timer() { TimerStart.SetEnabled(false); }

// The background re-arms the hover sound once the hold-off is over, and
// brings back a blanked page once the lock-out is over too.
void ChannelScreen::Form_MouseMove() {
  if (Timer2.Enabled()) {
    HoverSoundPlayed = 1;
    return;
  }
  HoverSoundPlayed = 0;
  if (Image1.Visible()) return;
  if (TimerStart.Enabled()) return;
  if (GameRunning()) return;
  BringPageBack();
}

void ChannelScreen::BringPageBack() {
  SetPageVisible(true);
  SetMouseIcon(Image6.Picture());
}

}  // namespace quil::channels
