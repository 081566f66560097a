// "Start" on a channel screen: the page goes, the pointer follows half a second
// later (and the user's game, if the channel has one, starts), and once the
// lock-out is over a movement brings both back.
#include "catalogue/Sounds.h"
#include "channels/ChannelScreen.h"

namespace quil::channels {

void ChannelScreen::OnStartClicked() {
  sound_.Play(catalogue::sounds::kStart);
  SetPageVisible(false);
  controls_.pointerDelay.SetEnabled(true);
  controls_.startLockOut.SetEnabled(true);
}

void ChannelScreen::OnPointerDue() {
  SetMouseIcon(controls_.blankPointer.Picture());
  controls_.pointerDelay.SetEnabled(false);
  StartGame();
}

void ChannelScreen::OnLockOutOver() { controls_.startLockOut.SetEnabled(false); }

// The background re-arms the hover sound once the hold-off is over, and
// brings back a blanked page once the lock-out is over too.
void ChannelScreen::OnPointerOverBackground() {
  if (controls_.hoverHoldOff.Enabled()) {
    hoverHeldBack_ = true;
    return;
  }
  hoverHeldBack_ = false;
  if (controls_.menuButton.Visible()) return;
  if (controls_.startLockOut.Enabled()) return;
  if (GameRunning()) return;
  BringPageBack();
}

void ChannelScreen::BringPageBack() {
  SetPageVisible(true);
  SetMouseIcon(controls_.handPointer.Picture());
}

}  // namespace quil::channels
