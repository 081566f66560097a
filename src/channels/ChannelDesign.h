#pragma once

#include <vector>

#include "catalogue/Catalogue.h"
#include "channels/ChannelPage.h"
#include "runtime/Colour.h"
#include "runtime/Design.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Timer.h"
#include "runtime/Twips.h"

namespace quil::rt {
class Form;
}

// The template every channel screen is laid out on: its controls front to
// back with the values of its row and style, its four timers, its page.
namespace quil::channels::design {

inline constexpr rt::Colour kWindowBlack = 0x00000000;
inline constexpr rt::Colour kPageGrey = 0x00E6E6E6;
inline constexpr rt::Colour kDarkPanel = 0x00222320;
inline constexpr rt::Colour kTitleWhite = 0x00FFFFFF;

// Only a screen with a game of the user's behind "Start" has it: how soon the
// page follows the game's end; the game is asked no more often, so that the
// program sleeps while the game has the machine.
inline constexpr rt::TimerRow kGamePoll{"TimerGame", 1000};

// The screenshot's box unless the screen departs from it.
inline constexpr rt::Rect kScreenshotBox{4320, 1320, 3705, 3165};

// The controls and timers a channel screen uses, by role.
struct ScreenControls {
  rt::Image& menuButton;  // "Quil Menu"
  rt::Label& menuCaption;
  rt::Image& startButton;
  rt::Label& startCaption;
  rt::Image& screenshot;
  rt::Label& title;
  // Hidden images that hold the screen's two pointer pictures.
  rt::Image& blankPointer;
  rt::Image& handPointer;
  // What "Start" hides and a later movement shows, in that order.
  std::vector<rt::Control*> page;
  // Each fires once each time it is enabled.
  rt::Timer& titleDelay;     // the title and the screenshot come up
  rt::Timer& hoverHoldOff;   // after opening
  rt::Timer& pointerDelay;   // the pointer goes after "Start"
  rt::Timer& startLockOut;   // the page cannot come back
};

// Creates every control of the screen in stacking order, and the timers.
ScreenControls Build(rt::Form& form, const ChannelPage& shown);

}  // namespace quil::channels::design
