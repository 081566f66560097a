#include "support/FakePlatform.h"

#include <algorithm>
#include <stdexcept>

namespace quil::test {

std::optional<rt::InputEvent> FakePlatform::WaitInput(rt::Micros deadline) {
  if (!script_.empty() && script_.begin()->first <= deadline) {
    const auto next = script_.begin();
    now_ = std::max(now_, next->first);
    const rt::InputEvent event = next->second;
    script_.erase(next);
    return event;
  }
  if (deadline == rt::kForever)
    throw std::logic_error("the runtime waits for input that no test will ever send");
  now_ = std::max(now_, deadline);
  return std::nullopt;
}

void FakePlatform::Present(const rt::Form& front, const rt::Tooltip& tooltip) {
  ++presents_;
  lastPresented_ = &front;
  lastTooltip_ = tooltip;
}

void FakePlatform::OpenMessageBox(const rt::MessageBoxRequest& request) {
  messageBoxes_.push_back(request);
  messageBoxShowing_ = true;
  if (boxWatcher_) boxWatcher_();
  if (answerDelay_ != rt::kForever)
    Schedule(now_ + answerDelay_, rt::InputEvent{.type = rt::InputEvent::Type::MessageBoxDismissed});
}

void FakePlatform::SetScreen(int widthPixels, int heightPixels, double twipsPerPixel) {
  screen_ = rt::ScreenMetrics{widthPixels * twipsPerPixel, heightPixels * twipsPerPixel, twipsPerPixel, twipsPerPixel};
}

void FakePlatform::Schedule(rt::Micros at, rt::InputEvent event) { script_.emplace(at, event); }

}  // namespace quil::test
