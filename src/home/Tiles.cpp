// Form1: pointer feedback of the tiles. A tile picture under the pointer
// outlines its frame in teal and plays the hover sound once; the background and
// the bar pictures undo both, and watch that the menu's own music is playing.
#include "audio/Effects.h"
#include "home/Form1.h"
#include "home/Form1Design.h"
#include "runtime/Image.h"
#include "runtime/Shape.h"

namespace quil::home {
namespace {

// Tile 10 sounds only while it shows a picture, and nothing ever gives it one.
constexpr int kTileSilentWithoutPicture = 10;

}  // namespace

void Form1::TileImage_MouseMove(int tile) {
  const bool silent = tile == kTileSilentWithoutPicture && !TilePicture(tile).Picture();
  if (silent)
    HoverSoundPlayed = 1;
  else
    PlayHoverSound();
  if (!FrameHighlighted) {
    SetFrameOutline(tile, design::kFrameTeal, 2);
    FrameHighlighted = true;
  }
}

void Form1::Form_MouseMove() {
  // While the jingle that follows the intro click runs, the background only holds the hover sound back.
  if (Timer3.Enabled() || Timer2.Enabled()) {
    HoverSoundPlayed = 1;
    return;
  }
  FrameReset();
  HoverReArm();
  MusicWatchdog();
}

void Form1::ImageLine_MouseMove() {
  FrameReset();
  HoverReArm();
  MusicWatchdog();
}

void Form1::BarPicture_MouseMove() {
  HoverReArm();
  MusicWatchdog();
}

void Form1::SetFrameOutline(int tile, rt::Colour colour, int widthPixels) {
  auto& frame = TileFrame(tile);
  frame.SetBorderColor(colour);
  frame.SetBorderWidth(widthPixels);
}

// Page 1 and the page on screen go back to the thin grey outline; the frames
// of other pages keep whatever they show.
void Form1::FrameReset() {
  if (!FrameHighlighted) return;
  const auto reset = [this](int firstTile) {
    for (int tile = firstTile; tile < firstTile + design::kTilesPerPage; ++tile) SetFrameOutline(tile, design::kFrameGrey, 1);
  };
  reset(1);
  if (CurrentPage >= 1 && CurrentPage <= 3) reset(CurrentPage * design::kTilesPerPage + 1);
  FrameHighlighted = false;
}

void Form1::MusicWatchdog() {
  TrackSnapshot = Music().CurrentTrack();
  if (Music().IsMenuTrack(TrackSnapshot)) return;
  if (!ImageExit.Visible()) return;
  auto& menuMusic = TimerMainMenuMusic;
  if (menuMusic.Enabled()) return;
  Player().MP3Stop();
  menuMusic.SetEnabled(true);
}

}  // namespace quil::home
