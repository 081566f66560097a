#pragma once

#include <array>
#include <string_view>
#include <variant>

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

inline constexpr int kTileCount = 48;
inline constexpr int kTilesPerPage = 12;

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
// Frame of tile N by the grid rule: four columns, three rows, each page 13200 twips further right.
rt::Rect TileFrame(int number);
// Left of tile N's frame while its page is on screen.
double TileColumnLeft(int number);
int TilePage(int number);  // 0 to 3
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

extern const std::array<rt::TimerRow, 14> kTimers;

// Creates every control of the design in stacking order, and the timers.
void Build(rt::Form& form);

}  // namespace quil::home::design
