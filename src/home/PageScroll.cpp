// Form1: the page scroll. The leaving page slides off the screen a step per
// tick, then the arriving page slides in the same way until it is close to its
// place, and a last tick sets it exactly on the grid. Only the tiles (and, with
// page 1, ShapeHC) move; the hover sound is held back while they do.
#include <array>
#include <optional>

#include "home/Form1.h"
#include "home/Form1Design.h"
#include "runtime/Image.h"
#include "runtime/Shape.h"

namespace quil::home {
namespace {

constexpr double kStep = 1000;

// One way of scrolling to a page. The leaving group is out once its reference
// frame has reached `outAt` in the direction of the step; the arriving group is
// snapped once its reference frame lies within one step of `snapFrom`.
struct ScrollCase {
  int page;                     // CurrentPage, the page being scrolled to
  std::optional<bool> forward;  // PageForward, read only where the page can be reached both ways
  int leaving;                  // groups, 1 to 4
  int arriving;
  double step;  // per tick, for both groups
  int outFrame;
  double outAt;
  int snapFrame;
  double snapFrom;
};

// A group leaving to the right is watched by its column-1 row-3 frame, one
// leaving to the left by its column-4 row-3 frame; a group arriving from the
// right by its column-1 row-1 frame, one arriving from the left by its column-4
// row-1 frame.
constexpr std::array<ScrollCase, 6> kScrollCases{{
    {0, std::nullopt, 2, 1, +kStep, 21, 15000, 4, 8640},
    {1, true, 1, 2, -kStep, 12, -2000, 13, 1080},
    {1, false, 3, 2, +kStep, 33, 15000, 16, 8640},
    {2, true, 2, 3, -kStep, 24, -2000, 25, 1080},
    {2, false, 4, 3, +kStep, 45, 15000, 28, 8640},
    {3, std::nullopt, 3, 4, -kStep, 36, -2000, 37, 1080},
}};

// Where a tile picture sits in its frame after a page has arrived.
constexpr int kPictureInset = 120;
struct PictureInset {
  int tile;
  int inset;
};
constexpr PictureInset kOtherInsets[] = {{14, 25}, {26, 160}};

int PictureInsetOf(int tile) {
  for (const PictureInset& other : kOtherInsets)
    if (other.tile == tile) return other.inset;
  return kPictureInset;
}

const ScrollCase* CaseFor(int page, bool forward) {
  for (const ScrollCase& scroll : kScrollCases)
    if (scroll.page == page && (!scroll.forward || *scroll.forward == forward)) return &scroll;
  return nullptr;
}

int FirstTile(int group) { return (group - 1) * design::kTilesPerPage + 1; }

bool Out(const ScrollCase& scroll, double left) { return scroll.step > 0 ? left >= scroll.outAt : left <= scroll.outAt; }

bool InSnapWindow(const ScrollCase& scroll, double left) {
  return left >= scroll.snapFrom && left <= scroll.snapFrom + kStep;
}

}  // namespace

void Form1::TimerPage_Timer() {
  HoverSoundPlayed = 1;
  const ScrollCase* scroll = CaseFor(CurrentPage, PageForward);
  if (!scroll) return;
  const auto frameLeft = [this](int tile) { return TileFrame(tile).Left(); };
  // Each control moves by the step, so a group keeps its shape, pictures and frames apart as they are.
  const auto moveGroup = [this, scroll](int group) {
    for (int tile = FirstTile(group); tile < FirstTile(group) + design::kTilesPerPage; ++tile) {
      for (rt::Control* control : std::initializer_list<rt::Control*>{&TileFrame(tile), &TilePicture(tile)})
        control->SetLeft(control->Left() + scroll->step);
    }
    if (group == 1) {
      auto& shape = ShapeHC;
      shape.SetLeft(shape.Left() + scroll->step);
    }
  };

  if (!PageMovingIn) moveGroup(scroll->leaving);
  if (!Out(*scroll, frameLeft(scroll->outFrame))) return;
  PageMovingIn = true;
  if (!InSnapWindow(*scroll, frameLeft(scroll->snapFrame))) {
    moveGroup(scroll->arriving);
    return;
  }
  // The snap. Page 1 always comes back from the left by whole steps, so it
  // needs no correction and keeps its pictures' design places.
  for (int tile = FirstTile(scroll->arriving); tile < FirstTile(scroll->arriving) + design::kTilesPerPage; ++tile) {
    auto& frame = TileFrame(tile);
    frame.SetLeft(design::TileColumnLeft(tile));
    if (scroll->arriving != 1)
      TilePicture(tile).SetLeft(frame.Left() + PictureInsetOf(tile));
  }
  PageMovingIn = false;
  HoverSoundPlayed = 0;
  TimerPage.SetEnabled(false);
}

}  // namespace quil::home
