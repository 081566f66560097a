// A channel screen's two buttons: the hover sound they share, and "Quil Menu",
// which hands back to the home menu.
#include "audio/Effects.h"
#include "channels/ChannelScreen.h"

namespace quil::channels {

// The sound plays once, then waits for the pointer to cross the background.
void ChannelScreen::ButtonPicture_MouseMove() {
  if (HoverSoundPlayed != 0) return;
  Sound().Play(audio::effects::kHover);
  HoverSoundPlayed = 1;
}

void ChannelScreen::Image1_Click() {
  Sound().Play(audio::effects::kQuilMenuButton);
  Unload();
  returnToMenu_();
}

}  // namespace quil::channels
