#include "MonkeyPlatform.h"

#include "runtime/Form.h"

namespace quil::test {
namespace {

// A loop that waits this often without the clock moving is spinning.
constexpr int kSpinLimit = 10'000;

}  // namespace

std::optional<rt::InputEvent> MonkeyPlatform::WaitInput(rt::Micros deadline) {
  invariants_->Check();
  if (Now() != lastWait_) {
    lastWait_ = Now();
    waitsAtOneInstant_ = 0;
  } else if (++waitsAtOneInstant_ > kSpinLimit) {
    throw InvariantBroken("the program never spins", "the event loop woke " + std::to_string(kSpinLimit) +
                                                         " times without time passing");
  }
  if (!InputScheduled()) DrawNext();
  auto input = FakePlatform::WaitInput(deadline);
  if (input) Note(*input);
  return input;
}

void MonkeyPlatform::DrawNext() {
  for (;;) {
    std::optional<MonkeyEvent> event = source_.Next(*app_, MessageBoxShowing());
    if (!event) throw OutOfInput{};
    log_.push_back(*event);
    ++coverage_.events;
    progress_.fetch_add(1, std::memory_order_relaxed);
    if (event->kind == MonkeyEvent::Kind::TrackEnds) {
      media_->FinishTrack();
      continue;
    }
    // An answer with no box to answer is nothing the desktop could send.
    if (event->kind == MonkeyEvent::Kind::Answer && !MessageBoxShowing()) continue;
    Schedule(Now() + event->delay, event->Input());
    return;
  }
}

void MonkeyPlatform::Note(const rt::InputEvent& input) {
  using Type = rt::InputEvent::Type;
  if (input.type == Type::MessageBoxDismissed) ++coverage_.answeredBoxes[boxTitle_];
  if (input.type != Type::KeyUp || MessageBoxShowing()) return;
  if (const rt::Form* front = app_->Front(); front && front->Focused())
    coverage_.focusedKeys.insert(front->Name() + "." + front->Focused()->Name() + " " + std::to_string(input.keyCode));
}

void MonkeyPlatform::OpenMessageBox(const rt::MessageBoxRequest& request) {
  FakePlatform::OpenMessageBox(request);
  boxTitle_ = request.title;
}

}  // namespace quil::test
