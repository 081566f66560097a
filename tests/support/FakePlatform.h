#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "runtime/Platform.h"

namespace quil::test {

// A platform on a virtual clock: time moves only while the runtime waits, and
// then straight to the next scripted input or timer deadline. It records what
// the runtime asked of it.
class FakePlatform : public rt::Platform {
 public:
  rt::Micros Now() override { return now_; }
  std::optional<rt::InputEvent> WaitInput(rt::Micros deadline) override;
  void Present(const rt::Form& front, const rt::Tooltip& tooltip) override;
  void SetPointer(const rt::PictureRef& picture) override { pointer_ = picture; }
  void OpenMessageBox(const rt::MessageBoxRequest& request) override;
  void CloseMessageBox() override { messageBoxShowing_ = false; }
  rt::ScreenMetrics Screen() override { return screen_; }
  rt::CalendarDate Today() override { return today_; }
  std::string AppPath() override { return appPath_; }

  // Script.
  void SetScreen(int widthPixels, int heightPixels, double twipsPerPixel = 15);
  void SetToday(rt::CalendarDate date) { today_ = date; }
  void SetAppPath(std::string path) { appPath_ = std::move(path); }
  // Delivers `event` while the runtime waits at virtual time `at`.
  void Schedule(rt::Micros at, rt::InputEvent event);
  // The machine hangs: time passes without the runtime getting to wait.
  void Stall(rt::Micros duration) { now_ += duration; }
  // Each message box is answered this long after it opens.
  void AnswerMessageBoxesAfter(rt::Micros delay) { answerDelay_ = delay; }
  // Message boxes stay open until the script answers them.
  void LeaveMessageBoxesOpen() { answerDelay_ = rt::kForever; }
  bool InputScheduled() const { return !script_.empty(); }
  // Runs as each message box opens, to see what came before it.
  void OnMessageBoxOpen(std::function<void()> watcher) { boxWatcher_ = std::move(watcher); }

  // Records.
  const std::vector<rt::MessageBoxRequest>& MessageBoxes() const { return messageBoxes_; }
  bool MessageBoxShowing() const { return messageBoxShowing_; }
  int Presents() const { return presents_; }
  const rt::Form* LastPresented() const { return lastPresented_; }
  const rt::Tooltip& LastTooltip() const { return lastTooltip_; }
  const rt::PictureRef& Pointer() const { return pointer_; }

 private:
  rt::Micros now_ = 0;
  std::multimap<rt::Micros, rt::InputEvent> script_;
  rt::Micros answerDelay_ = 0;
  std::function<void()> boxWatcher_;
  std::vector<rt::MessageBoxRequest> messageBoxes_;
  bool messageBoxShowing_ = false;
  int presents_ = 0;
  const rt::Form* lastPresented_ = nullptr;
  rt::Tooltip lastTooltip_;
  rt::PictureRef pointer_;
  rt::ScreenMetrics screen_{12000, 9000, 15, 15};
  rt::CalendarDate today_{2008, 12, 30, 3};
  std::string appPath_ = "/opt/quil";
};

}  // namespace quil::test
