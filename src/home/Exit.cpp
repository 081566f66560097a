// Form1: the exit button.
#include "audio/Effects.h"
#include "home/Form1.h"

namespace quil::home {

void Form1::ImageExit_Click() {
  Sound().Play(audio::effects::kClick);
  App().End();
}

void Form1::ImageExit_MouseMove() { PlayHoverSound(); }

void Form1::PlayHoverSound() {
  if (HoverSoundPlayed != 0) return;
  Sound().Play(audio::effects::kHover);
  HoverSoundPlayed = 1;
}

}  // namespace quil::home
