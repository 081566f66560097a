// The page scroll. Only the tiles (and, with page 1, its marker) move; the
// hover sound is held back while they do.
#include <array>
#include <optional>

#include "home/MenuGeometry.h"
#include "home/Pages.h"

namespace quil::home {
namespace {

constexpr double kStep = 1000;

// One way of scrolling to a page. The leaving page is out once its reference
// frame has reached `outAt` in the direction of the step; the arriving page is
// snapped once its reference frame lies within one step of `snapFrom`.
struct ScrollCase {
  int page;                     // the page being scrolled to
  std::optional<bool> forward;  // read only where the page can be reached both ways
  int leaving;
  int arriving;
  double step;  // per tick, for both pages
  int outFrame;
  double outAt;
  int snapFrame;
  double snapFrom;
};

// A page leaving to the right is watched by its column-1 row-3 frame, one
// leaving to the left by its column-4 row-3 frame; a page arriving from the
// right by its column-1 row-1 frame, one arriving from the left by its column-4
// row-1 frame.
constexpr std::array<ScrollCase, 6> kScrollCases{{
    {1, std::nullopt, 2, 1, +kStep, 21, 15000, 4, 8640},
    {2, true, 1, 2, -kStep, 12, -2000, 13, 1080},
    {2, false, 3, 2, +kStep, 33, 15000, 16, 8640},
    {3, true, 2, 3, -kStep, 24, -2000, 25, 1080},
    {3, false, 4, 3, +kStep, 45, 15000, 28, 8640},
    {4, std::nullopt, 3, 4, -kStep, 36, -2000, 37, 1080},
}};

const ScrollCase* CaseFor(int page, bool forward) {
  for (const ScrollCase& scroll : kScrollCases)
    if (scroll.page == page && (!scroll.forward || *scroll.forward == forward)) return &scroll;
  return nullptr;
}

bool Out(const ScrollCase& scroll, double left) { return scroll.step > 0 ? left >= scroll.outAt : left <= scroll.outAt; }

bool InSnapWindow(const ScrollCase& scroll, double left) {
  return left >= scroll.snapFrom && left <= scroll.snapFrom + kStep;
}

}  // namespace

// Each control moves by the step, so a page keeps its shape, pictures and frames apart as they are.
void Pages::MovePage(int page, double step) {
  const int first = geometry::FirstTileOf(page);
  for (int tile = first; tile < first + geometry::kTilesPerPage; ++tile) {
    for (rt::Control* control : std::initializer_list<rt::Control*>{&tiles_.Frame(tile), &tiles_.Picture(tile)})
      control->SetLeft(control->Left() + step);
  }
  if (page == geometry::kFirstPage) controls_.firstPageMarker.SetLeft(controls_.firstPageMarker.Left() + step);
}

void Pages::OnScrollTick() {
  hover_.HoldBack();
  const ScrollCase* scroll = CaseFor(page_, forward_);
  if (!scroll) return;
  const auto frameLeft = [this](int tile) { return tiles_.Frame(tile).Left(); };

  if (!arriving_) MovePage(scroll->leaving, scroll->step);
  if (!Out(*scroll, frameLeft(scroll->outFrame))) return;
  arriving_ = true;
  if (!InSnapWindow(*scroll, frameLeft(scroll->snapFrame))) {
    MovePage(scroll->arriving, scroll->step);
    return;
  }
  // The snap. Page 1 always comes back from the left by whole steps, so it
  // needs no correction and keeps its pictures' design places.
  const int first = geometry::FirstTileOf(scroll->arriving);
  for (int tile = first; tile < first + geometry::kTilesPerPage; ++tile) {
    rt::Shape& frame = tiles_.Frame(tile);
    frame.SetLeft(geometry::ColumnLeft(tile));
    if (scroll->arriving != geometry::kFirstPage) tiles_.Picture(tile).SetLeft(frame.Left() + tiles_.PictureInset(tile));
  }
  arriving_ = false;
  hover_.ReArm();
  controls_.scroll.SetEnabled(false);
}

}  // namespace quil::home
