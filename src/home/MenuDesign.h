#pragma once

#include <array>
#include <string_view>
#include <variant>

#include "home/BottomBar.h"
#include "home/Intro.h"
#include "home/MusicPanel.h"
#include "home/Pages.h"
#include "home/Reveal.h"
#include "home/Tiles.h"
#include "home/Zoom.h"
#include "runtime/Colour.h"
#include "runtime/Design.h"
#include "runtime/MessageBox.h"
#include "runtime/Twips.h"

namespace quil::rt {
class Form;
}

// The home menu as laid out at design time: every control with the values it
// has when the form is created, in tables of one row per control.
namespace quil::home::design {

// The form's name, under which the program registers and starts it.
inline constexpr std::string_view kFormName = "Form1";
inline constexpr const char* kOptionsName = "Quil Options";

// Outline of a tile frame at rest and under the pointer.
inline constexpr rt::Colour kFrameGrey = 0x00808080;
inline constexpr rt::Colour kFrameTeal = 0x00D5D500;

inline constexpr rt::Colour kMenuBackground = 0x00F1F1F1;
inline constexpr rt::Colour kIntroBackground = 0x00000000;

struct TileRow {
  int number;
  rt::Colour fill;
  rt::Rect picture;  // of the picture control, whether it shows a picture or not
  bool stretch;
  const char* toolTip;  // nullptr: an empty slot without picture or tooltip
};

const TileRow& Tile(int number);
// Frame of a tile as the design places it: its page's grid, each page a page width further right.
rt::Rect TileFrame(int number);
std::string_view TileFrameName(int number);
std::string_view TilePictureName(int number);

// What a click on a tile's picture does. An empty slot does nothing: its
// picture has no click handler.
struct NoClick {};
// A joke message box, and nothing else.
struct MessageClick {
  const char* prompt;
  rt::MessageBoxStyle style;
  const char* title;
};
// The forecast and news channels: their sound, a box whose prompt is its
// title, then the music stops a while after the box is closed.
struct BroadcastClick {
  std::string_view sound;
  const char* message;
};
// A game: its sound, the music off, and the zoom that opens its channel screen.
enum class HoverFlag { HoldBack, Untouched };
struct GameClick {
  int screenCode;  // the channel screen the zoom opens
  HoverFlag hover = HoverFlag::HoldBack;
};
using TileClick = std::variant<NoClick, MessageClick, BroadcastClick, GameClick>;

const TileClick& ClickOf(int tile);

// Every control and timer a part of the menu uses, by role.
struct MenuControls {
  Intro::Controls intro;
  Reveal::Controls reveal;
  Tiles::Controls tiles;
  Pages::Controls pages;
  Zoom::Controls zoom;
  BottomBar::Controls bar;
  MusicPanel::Controls panel;
  // Hidden, it holds the screen's size as text for the load's check.
  rt::Label& resolution;
  // The surfaces that re-arm the hover sound.
  rt::Image& line;
  std::array<rt::Image*, 3> barPictures;
  rt::Timer& menuTrackDelay;
  rt::Timer& trackChange;
  rt::Timer& broadcastSilence;
};

// Creates every control of the design in stacking order, and the timers.
MenuControls Build(rt::Form& form);

}  // namespace quil::home::design
