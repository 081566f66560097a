// Form1: the page arrows. They bob sideways while the menu is up, and a click
// turns the page: the click sound, the new page, the arrows that page allows,
// then the page scroll.
#include "audio/Effects.h"
#include "home/Form1.h"
#include "runtime/PictureBox.h"

namespace quil::home {
namespace {

constexpr int kLastPage = 3;

// The right arrow swings between these Lefts, 20 twips a tick, and rests one
// tick at each end while it turns: 12 ticks a swing.
constexpr double kSwingLeftmost = 11200;
constexpr double kSwingRightmost = 11300;
constexpr double kSwingStep = 20;
// The left arrow's place behind the right one, as the reveal puts them.
constexpr double kArrowsApart = 11200 - 270;

}  // namespace

// The left arrow moves only while shown; each showing puts it back in step.
void Form1::TimerAR_Timer() {
  const auto move = [this](double step) {
    if (ImageAL.Visible()) ImageAL.SetLeft(ImageAL.Left() + step);
    ImageAR.SetLeft(ImageAR.Left() + step);
  };
  if (ArrowPhase == 1) {
    if (ImageAR.Left() <= kSwingLeftmost)
      ArrowPhase = 0;
    else
      move(-kSwingStep);
    return;
  }
  if (ImageAR.Left() >= kSwingRightmost)
    ArrowPhase = 1;
  else
    move(kSwingStep);
}

void Form1::ImageAR_Click() {
  if (!ImageAR.Visible() || TimerPage.Enabled()) return;
  TurnPage(+1);
}

void Form1::ImageAL_Click() {
  if (!ImageAL.Visible() || TimerPage.Enabled()) return;
  TurnPage(-1);
}

// The left arrow has no hover sound of its own.
void Form1::ImageAR_MouseMove() { PlayHoverSound(); }

// The scroll reads the direction only for pages 2 and 3, which can be reached
// from either side; the first and last pages are always reached one way.
void Form1::TurnPage(int step) {
  Sound().Play(audio::effects::kNextPage);
  const int target = CurrentPage + step;
  if (target < 0 || target > kLastPage) return;
  CurrentPage = target;
  if (target == 1 || target == 2) PageForward = step > 0;
  // Hidden, the left arrow missed the right one's swing: it comes back in
  // step, or its offset would wander further with every visit to page 1.
  if (!ImageAL.Visible() && CurrentPage > 0) ImageAL.SetLeft(ImageAR.Left() - kArrowsApart);
  ImageAL.SetVisible(CurrentPage > 0);
  ImageAR.SetVisible(CurrentPage < kLastPage);
  HoverSoundPlayed = 1;
  TimerPage.SetEnabled(true);
}

}  // namespace quil::home
