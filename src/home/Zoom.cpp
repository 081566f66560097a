#include "home/Zoom.h"

#include <utility>

#include "home/MenuGeometry.h"

namespace quil::home {
namespace {

// The box is wider than the screen once its width reaches this.
constexpr double kCoveringWidth = 13000;
// Per tick, in width and height; half of it on each side keeps the centre still.
constexpr double kGrowth = 1000;
constexpr int kFirstScreenCode = 1;

}  // namespace

Zoom::Zoom(const Controls& controls, ChannelOpener openChannel)
    : controls_(controls), openChannel_(std::move(openChannel)) {
  controls_.growth.OnTimer([this] { OnGrowthTick(); });
}

void Zoom::Reset() {
  screenCode_ = kFirstScreenCode;
  PutBoxAway();
}

void Zoom::Open(int screenCode) {
  screenCode_ = screenCode;
  controls_.box.SetVisible(true);
  controls_.growth.SetEnabled(true);
}

void Zoom::OnGrowthTick() {
  rt::PictureBox& box = controls_.box;
  if (box.Width() >= kCoveringWidth) {
    openChannel_(screenCode_);
    PutBoxAway();
    controls_.growth.SetEnabled(false);
  }
  // The completing tick grows the hidden box too, so the next zoom starts one step on.
  box.SetWidth(box.Width() + kGrowth);
  box.SetHeight(box.Height() + kGrowth);
  box.SetTop(box.Top() - kGrowth / 2);
  box.SetLeft(box.Left() - kGrowth / 2);
}

void Zoom::PutBoxAway() {
  rt::PictureBox& box = controls_.box;
  const rt::Rect& rest = geometry::kZoomBoxRest;
  box.SetVisible(false);
  box.SetHeight(rest.height);
  box.SetWidth(rest.width);
  box.SetLeft(rest.left);
  box.SetTop(rest.top);
}

}  // namespace quil::home
