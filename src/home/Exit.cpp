// Form1: the exit button.
#include "audio/Effects.h"
#include "home/Form1.h"

namespace quil::home {

void Form1::ImageExit_Click() {
  Sound().Play(audio::effects::kClick);
  App().End();
}

void Form1::ImageExit_MouseMove() { PlayHoverSound(); }

}  // namespace quil::home
