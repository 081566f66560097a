#include "app/PadShortcuts.h"

namespace quil::app {

const rt::Control* PadShortcut(const rt::Form& front, sdl::PadButton button) {
  // Every screen but the menu is a channel screen.
  const bool menu = front.Name() == "Form1";
  switch (button) {
    case sdl::PadButton::LeftShoulder: return menu ? front.Find("ImageAL") : nullptr;
    case sdl::PadButton::RightShoulder: return menu ? front.Find("ImageAR") : nullptr;
    case sdl::PadButton::Guide:
    case sdl::PadButton::B: return menu ? nullptr : front.Find("Image1");
    default: return nullptr;
  }
}

}  // namespace quil::app
