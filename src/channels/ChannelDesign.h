#pragma once

#include <string_view>
#include <vector>

#include "catalogue/Catalogue.h"
#include "runtime/Colour.h"
#include "runtime/Design.h"
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

// Each fires once each time it is enabled.
inline constexpr rt::TimerRow kTimers[] = {
    {"Timer1", 100},       // reveals the title and the screenshot
    {"Timer2", 2000},      // hover-sound hold-off after opening
    {"Timer3", 500},       // blanks the pointer after "Start"
    {"TimerStart", 1500},  // lock-out after "Start"
};

// The screenshot's box unless the screen departs from it.
inline constexpr rt::Rect kScreenshotBox{4320, 1320, 3705, 3165};

// Creates every control of the screen of `row` in stacking order, and the timers.
void Build(rt::Form& form, const catalogue::Game& row);

// The controls that "Start" hides and a later movement shows, in that order.
std::vector<std::string_view> PageControls(catalogue::Style style);

}  // namespace quil::channels::design
