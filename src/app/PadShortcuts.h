#pragma once

#include "runtime/Form.h"
#include "sdl/PadInput.h"

namespace quil::app {

// What a game controller's buttons besides A click: on the home menu the
// shoulder buttons click the page arrows; on a channel screen the guide
// button, and B as a console's "back", click "Quil Menu".
const rt::Control* PadShortcut(const rt::Form& front, sdl::PadButton button);

}  // namespace quil::app
