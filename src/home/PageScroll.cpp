// Form1: the page scroll. The leaving page slides off the screen a step per
// tick, then the arriving page slides in the same way until it is close to its
// place, and a last tick sets it exactly on the grid. Only the tiles (and, with
// page 1, ShapeHC) move; the hover sound is held back while they do.
#include <array>
#include <optional>

#include "home/Form1.h"
#include "home/Form1Design.h"
#include "shell/runtime/Image.h"
#include "shell/runtime/Shape.h"

namespace quil::home {
namespace {

constexpr double kStep = 1000;
// A page leaving to the right is out once its column-1 frames pass this Left;
// one leaving to the left once its column-4 frames pass the other.
constexpr double kOutRight = 15000;
constexpr double kOutLeft = -2000;
// A page arriving from the right is snapped once a column-1 frame lies in the
// window at the first column, one arriving from the left once a column-4 frame
// lies in the window at the last; both windows are one step wide.
constexpr double kColumnOneLeft = 1080;
constexpr double kColumnFourLeft = 8640;

struct ScrollCase {
  int page;                     // CurrentPage, the page being scrolled to
  std::optional<bool> forward;  // PageForward, read only where the page can be reached both ways
  int leaving;                  // groups, 1 to 4
  int arriving;
  double step;          // per tick, for both groups
  int leavingReference;  // the frame whose Left tells that the leaving group is out
  int arrivingReference; // the frame whose Left tells that the arriving group is close
};

// Frames by tile number: column-1 row-3 and column-4 row-3 frames tell when a
// page is out; column-1 row-1 and column-4 row-1 frames when it has arrived.
constexpr std::array<ScrollCase, 6> kScrollCases{{
    {0, std::nullopt, 2, 1, +kStep, 21, 4},
    {1, true, 1, 2, -kStep, 12, 13},
    {1, false, 3, 2, +kStep, 33, 16},
    {2, true, 2, 3, -kStep, 24, 25},
    {2, false, 4, 3, +kStep, 45, 28},
    {3, std::nullopt, 3, 4, -kStep, 36, 37},
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

bool Out(const ScrollCase& scroll, double referenceLeft) {
  return scroll.step > 0 ? referenceLeft >= kOutRight : referenceLeft <= kOutLeft;
}

bool InSnapWindow(const ScrollCase& scroll, double referenceLeft) {
  const double from = scroll.step > 0 ? kColumnFourLeft : kColumnOneLeft;
  return referenceLeft >= from && referenceLeft <= from + kStep;
}

}  // namespace

void Form1::TimerPage_Timer() {
  HoverSoundPlayed = 1;
  const ScrollCase* scroll = CaseFor(CurrentPage, PageForward);
  if (!scroll) return;
  const auto frameLeft = [this](int tile) { return Get<rt::Shape>(design::TileFrameName(tile)).Left(); };
  // Each control moves by the step, so a group keeps its shape, pictures and frames apart as they are.
  const auto moveGroup = [this, scroll](int group) {
    for (int tile = FirstTile(group); tile < FirstTile(group) + design::kTilesPerPage; ++tile) {
      for (rt::Control* control : {Find(design::TileFrameName(tile)), Find(design::TilePictureName(tile))})
        control->SetLeft(control->Left() + scroll->step);
    }
    if (group == 1) {
      auto& shape = Get<rt::Shape>("ShapeHC");
      shape.SetLeft(shape.Left() + scroll->step);
    }
  };

  if (!PageMovingIn) moveGroup(scroll->leaving);
  if (!Out(*scroll, frameLeft(scroll->leavingReference))) return;
  PageMovingIn = true;
  if (!InSnapWindow(*scroll, frameLeft(scroll->arrivingReference))) {
    moveGroup(scroll->arriving);
    return;
  }
  // The snap. Page 1 always comes back from the left by whole steps, so it
  // needs no correction and keeps its pictures' design places.
  for (int tile = FirstTile(scroll->arriving); tile < FirstTile(scroll->arriving) + design::kTilesPerPage; ++tile) {
    auto& frame = Get<rt::Shape>(design::TileFrameName(tile));
    frame.SetLeft(design::TileColumnLeft(tile));
    if (scroll->arriving != 1)
      Get<rt::Image>(design::TilePictureName(tile)).SetLeft(frame.Left() + PictureInsetOf(tile));
  }
  PageMovingIn = false;
  HoverSoundPlayed = 0;
  TimerNamed("TimerPage").SetEnabled(false);
}

}  // namespace quil::home
