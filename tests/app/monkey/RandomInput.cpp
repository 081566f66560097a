#include "RandomInput.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

#include "runtime/Twips.h"

namespace quil::test {
namespace {

using Kind = MonkeyEvent::Kind;

constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;

struct WeightedKey {
  int code;
  int perMille;
};

// The keys the program acts on come most often; Escape, which ends the run,
// rarely enough that runs go deep; every other code now and then.
constexpr std::array kKeys{
    WeightedKey{80, 190},  // P: next page
    WeightedKey{77, 150},  // M: previous page
    WeightedKey{49, 170},  // 1: raise the music panel
    WeightedKey{50, 150},  // 2: lower it
    WeightedKey{rt::kKeyTab, 60},
    WeightedKey{rt::kKeyEscape, 6},
};

// Controls that end the program are aimed at rarely, for the same reason.
constexpr std::array<std::string_view, 1> kEndingControls{"ImageExit"};

}  // namespace

std::optional<MonkeyEvent> RandomInput::Next(const rt::Application& app, bool messageBoxShowing) {
  if (left_ <= 0) return std::nullopt;
  if (planned_.empty()) Plan(app, messageBoxShowing);
  MonkeyEvent event = planned_.front();
  planned_.pop_front();
  --left_;
  if (event.kind == Kind::Move || event.kind == Kind::Press || event.kind == Kind::Release) {
    pointerX_ = event.x;
    pointerY_ = event.y;
  }
  return event;
}

void RandomInput::Plan(const rt::Application& app, bool messageBoxShowing) {
  if (messageBoxShowing && Chance(400)) {
    planned_.push_back(MonkeyEvent{.kind = Kind::Answer, .delay = Delay()});
    return;
  }
  const rt::Form* front = app.Front();
  int x = Between(0, kScreenWidth - 1);
  int y = Between(0, kScreenHeight - 1);
  const int roll = Between(0, 999);
  if (roll < 330) {  // a click on something the screen offers
    if (front) AimAt(*front, x, y);
    Click(x, y, 1);
  } else if (roll < 430) {  // a click anywhere
    Click(x, y, 1);
  } else if (roll < 580) {  // the pointer onto something
    if (front) AimAt(*front, x, y);
    planned_.push_back(At(Kind::Move, x, y, Delay()));
  } else if (roll < 680) {  // the pointer wanders a little, sometimes out of the window
    const int reach = Chance(50) ? 400 : 20;
    x = std::clamp(pointerX_ + Between(-reach, reach), -50, kScreenWidth + 50);
    y = std::clamp(pointerY_ + Between(-reach, reach), -50, kScreenHeight + 50);
    planned_.push_back(At(Kind::Move, x, y, Delay()));
  } else if (roll < 730) {  // a press or release alone, or another button
    const int button = Between(1, 3);
    if (Chance(500))
      Click(x, y, button);
    else
      planned_.push_back(At(Chance(500) ? Kind::Press : Kind::Release, x, y, Delay()));
    planned_.back().button = button;
  } else if (roll < 985) {  // a key
    int key = Between(0, 255);
    int pick = Between(0, 999);
    for (const WeightedKey& weighted : kKeys) {
      if (pick < weighted.perMille) {
        key = weighted.code;
        break;
      }
      pick -= weighted.perMille;
    }
    Key(key);
  } else {  // the music reaches the end of its track
    planned_.push_back(MonkeyEvent{.kind = Kind::TrackEnds, .delay = Delay()});
  }
}

void RandomInput::Click(int x, int y, int button) {
  planned_.push_back(At(Kind::Move, x, y, Delay()));
  planned_.push_back(At(Kind::Press, x, y, Quick()));
  planned_.push_back(At(Kind::Release, x, y, Quick()));
  for (std::size_t i = planned_.size() - 2; i < planned_.size(); ++i) planned_[i].button = button;
}

void RandomInput::Key(int key) {
  const int shift = Chance(150) ? Between(1, 7) : 0;
  planned_.push_back(MonkeyEvent{.kind = Kind::KeyDown, .delay = Delay(), .key = key, .shift = shift});
  // Now and then the release never comes, or comes for a key that never went down.
  if (Chance(30)) return;
  planned_.push_back(MonkeyEvent{.kind = Kind::KeyUp, .delay = Quick(), .key = key, .shift = shift});
  if (Chance(30)) planned_.pop_front();
}

bool RandomInput::AimAt(const rt::Form& front, int& x, int& y) {
  const rt::Control* target = PickTarget(front);
  if (!target) return false;
  const rt::Rect bounds = target->FormBounds();
  const int left = std::max(0, static_cast<int>(std::ceil(rt::TwipsToPixels(bounds.left))));
  const int top = std::max(0, static_cast<int>(std::ceil(rt::TwipsToPixels(bounds.top))));
  const int right = std::min(kScreenWidth, static_cast<int>(std::floor(rt::TwipsToPixels(bounds.Right()))));
  const int bottom = std::min(kScreenHeight, static_cast<int>(std::floor(rt::TwipsToPixels(bounds.Bottom()))));
  if (left >= right || top >= bottom) return false;
  // Another control may cover part of it: a few tries find an uncovered point.
  for (int attempt = 0; attempt < 4; ++attempt) {
    x = Between(left, right - 1);
    y = Between(top, bottom - 1);
    if (front.HitTest(rt::PixelsToTwips(x), rt::PixelsToTwips(y)) == target) return true;
  }
  return false;
}

const rt::Control* RandomInput::PickTarget(const rt::Form& front) {
  std::vector<const rt::Control*> onScreen;
  for (const auto& control : front.Controls()) {
    if (!control->Shown() || !control->TakesPointer()) continue;
    const rt::Rect bounds = control->FormBounds();
    if (bounds.Right() <= 0 || bounds.left >= rt::PixelsToTwips(kScreenWidth) || bounds.Bottom() <= 0 ||
        bounds.top >= rt::PixelsToTwips(kScreenHeight))
      continue;
    const bool ends = std::ranges::find(kEndingControls, control->Name()) != kEndingControls.end();
    if (ends && !Chance(100)) continue;
    onScreen.push_back(control.get());
  }
  if (onScreen.empty()) return nullptr;
  return onScreen[static_cast<std::size_t>(Between(0, static_cast<int>(onScreen.size()) - 1))];
}

MonkeyEvent RandomInput::At(Kind kind, int x, int y, rt::Micros delay) {
  return MonkeyEvent{.kind = kind, .delay = delay, .x = x, .y = y};
}

// Mostly the pace of a hand on a mouse; now and then a pause of up to 3 s.
rt::Micros RandomInput::Delay() {
  const int roll = Between(0, 999);
  if (roll < 600) return Between(0, 30'000);
  if (roll < 950) return Between(30'000, 500'000);
  return Between(500'000, 3'000'000);
}

}  // namespace quil::test
