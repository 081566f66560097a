#pragma once

#include <atomic>
#include <vector>

#include "Coverage.h"
#include "InputSource.h"
#include "Invariants.h"
#include "MonkeyEvent.h"
#include "support/FakeMultimedia.h"
#include "support/FakePlatform.h"

namespace quil::test {

// The source ran dry: the monkey's work is done.
struct OutOfInput {};

// The virtual desktop of one run of the program under the monkey. Each time
// the runtime waits for input, the invariants are checked and, when no input
// is pending, the next event is drawn from the source, logged and scheduled
// its delay from now. Message boxes stay open until the source answers them.
class MonkeyPlatform : public FakePlatform {
 public:
  MonkeyPlatform(InputSource& source, std::vector<MonkeyEvent>& log, Coverage& coverage,
                 std::atomic<long>& progress)
      : source_(source), log_(log), coverage_(coverage), progress_(progress) {
    LeaveMessageBoxesOpen();
  }

  void Attach(const rt::Application& app, FakeMultimedia& media, Invariants& invariants) {
    app_ = &app;
    media_ = &media;
    invariants_ = &invariants;
  }

  std::optional<rt::InputEvent> WaitInput(rt::Micros deadline) override;
  void OpenMessageBox(const rt::MessageBoxRequest& request) override;

 private:
  void DrawNext();
  void Note(const rt::InputEvent& input);

  InputSource& source_;
  std::vector<MonkeyEvent>& log_;
  Coverage& coverage_;
  std::atomic<long>& progress_;
  const rt::Application* app_ = nullptr;
  FakeMultimedia* media_ = nullptr;
  Invariants* invariants_ = nullptr;
  std::string boxTitle_;
  rt::Micros lastWait_ = -1;
  int waitsAtOneInstant_ = 0;
};

}  // namespace quil::test
