// A channel screen's two buttons: the hover sound they share, and "Quil Menu",
// which hands back to the home menu.
#include "catalogue/Sounds.h"
#include "channels/ChannelScreen.h"

namespace quil::channels {

// The sound plays once, then waits for the pointer to cross the background.
void ChannelScreen::OnPointerOverButton() {
  if (hoverHeldBack_) return;
  sound_.Play(catalogue::sounds::kHover);
  hoverHeldBack_ = true;
}

void ChannelScreen::OnMenuClicked() {
  sound_.Play(catalogue::sounds::kQuilMenuButton);
  Unload();
  returnToMenu_();
}

}  // namespace quil::channels
