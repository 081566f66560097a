// Form1: the zoom after a game tile's click. A plain box grows around the
// middle of the screen, one step per tick, until it covers the screen; then
// the channel screen of ScreenCode comes up in front and the box is put away.
// "Quil Menu" on that screen brings the menu back.
#include "home/Form1.h"
#include "runtime/PictureBox.h"

namespace quil::home {
namespace {

// The box is wider than the screen once its width reaches this.
constexpr double kCoveringWidth = 13000;
// Per tick, in width and height; half of it on each side keeps the centre still.
constexpr double kGrowth = 1000;
constexpr rt::Rect kRest{5880, 4440, 255, 255};

}  // namespace

void Form1::TimerZoom_Timer() {
  auto& box = Picture1;
  if (box.Width() >= kCoveringWidth) {
    openChannel_(ScreenCode);
    PutZoomBoxAway();
    TimerZoom.SetEnabled(false);
  }
  // The completing tick grows the hidden box too, so the next zoom starts one step on.
  box.SetWidth(box.Width() + kGrowth);
  box.SetHeight(box.Height() + kGrowth);
  box.SetTop(box.Top() - kGrowth / 2);
  box.SetLeft(box.Left() - kGrowth / 2);
}

void Form1::PutZoomBoxAway() {
  auto& box = Picture1;
  box.SetVisible(false);
  box.SetHeight(kRest.height);
  box.SetWidth(kRest.width);
  box.SetLeft(kRest.left);
  box.SetTop(kRest.top);
}

// The menu's own music comes back a moment after the menu does.
void Form1::ReturnFromChannel() {
  TimerMainMenuMusic.SetEnabled(true);
  Show();
}

}  // namespace quil::home
