#include "app/PadShortcuts.h"

#include "channels/ChannelScreen.h"
#include "home/HomeMenu.h"

namespace quil::app {

const rt::Control* PadShortcut(const rt::Form& front, sdl::PadButton button) {
  const auto* menu = dynamic_cast<const home::HomeMenu*>(&front);
  const auto* channel = dynamic_cast<const channels::ChannelScreen*>(&front);
  switch (button) {
    case sdl::PadButton::LeftShoulder: return menu ? &menu->PreviousPageArrow() : nullptr;
    case sdl::PadButton::RightShoulder: return menu ? &menu->NextPageArrow() : nullptr;
    case sdl::PadButton::Guide:
    case sdl::PadButton::B: return channel ? &channel->MenuButton() : nullptr;
    default: return nullptr;
  }
}

}  // namespace quil::app
