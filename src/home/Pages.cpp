#include "home/Pages.h"

#include "catalogue/Sounds.h"
#include "home/MenuGeometry.h"

namespace quil::home {
namespace {

// The next-page arrow swings between these Lefts, 20 twips a tick, and rests
// one tick at each end while it turns: 12 ticks a swing.
constexpr double kSwingLeftmost = geometry::kNextArrowLeft;
constexpr double kSwingRightmost = geometry::kNextArrowLeft + 100;
constexpr double kSwingStep = 20;
// The previous-page arrow's distance behind the next-page arrow, as the reveal places them.
constexpr double kArrowsApart = geometry::kNextArrowLeft - geometry::kPreviousArrowLeft;

}  // namespace

Pages::Pages(const Controls& controls, Tiles& tiles, HoverSound& hover, audio::SoundEffect& sound)
    : controls_(controls), tiles_(tiles), hover_(hover), sound_(sound) {
  controls_.swing.OnTimer([this] { OnSwingTick(); });
  controls_.scroll.OnTimer([this] { OnScrollTick(); });
  controls_.next.OnClick([this] { OnNextClicked(); });
  controls_.previous.OnClick([this] { OnPreviousClicked(); });
  // The previous-page arrow has no hover sound of its own.
  controls_.next.OnMouseMove([this] { hover_.Play(); });
}

void Pages::Reset() {
  for (int tile = geometry::FirstTileOf(3); tile <= geometry::kTileCount; ++tile)
    tiles_.Frame(tile).SetLeft(geometry::ColumnLeft(tile) + geometry::kPageWidth);
  page_ = geometry::kFirstPage;
}

void Pages::ShowArrows() {
  controls_.next.SetLeft(geometry::kNextArrowLeft);
  controls_.next.SetTop(geometry::kArrowsTop);
  controls_.next.SetVisible(true);
  controls_.swing.SetEnabled(true);
  controls_.previous.SetLeft(geometry::kPreviousArrowLeft);
  controls_.previous.SetTop(geometry::kArrowsTop);
}

// The previous-page arrow moves only while shown; each showing puts it back in step.
void Pages::OnSwingTick() {
  const auto move = [this](double step) {
    if (controls_.previous.Visible()) controls_.previous.SetLeft(controls_.previous.Left() + step);
    controls_.next.SetLeft(controls_.next.Left() + step);
  };
  if (swingingBack_) {
    if (controls_.next.Left() <= kSwingLeftmost)
      swingingBack_ = false;
    else
      move(-kSwingStep);
    return;
  }
  if (controls_.next.Left() >= kSwingRightmost)
    swingingBack_ = true;
  else
    move(kSwingStep);
}

void Pages::OnNextClicked() {
  if (!controls_.next.Visible() || Scrolling()) return;
  Turn(+1);
}

void Pages::OnPreviousClicked() {
  if (!controls_.previous.Visible() || Scrolling()) return;
  Turn(-1);
}

void Pages::TurnForward() {
  if (controls_.next.Visible()) OnNextClicked();
}

void Pages::TurnBack() {
  if (controls_.previous.Visible()) OnPreviousClicked();
}

// The scroll reads the direction only for pages 2 and 3, which can be reached
// from either side; the first and last pages are always reached one way.
void Pages::Turn(int step) {
  sound_.Play(catalogue::sounds::kNextPage);
  const int target = page_ + step;
  if (target < geometry::kFirstPage || target > geometry::kLastPage) return;
  page_ = target;
  if (target != geometry::kFirstPage && target != geometry::kLastPage) forward_ = step > 0;
  // Hidden, the previous-page arrow missed the other's swing: it comes back in
  // step, or its offset would wander further with every visit to page 1.
  const bool previousShown = page_ > geometry::kFirstPage;
  if (!controls_.previous.Visible() && previousShown)
    controls_.previous.SetLeft(controls_.next.Left() - kArrowsApart);
  controls_.previous.SetVisible(previousShown);
  controls_.next.SetVisible(page_ < geometry::kLastPage);
  hover_.HoldBack();
  controls_.scroll.SetEnabled(true);
}

}  // namespace quil::home
