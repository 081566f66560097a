#pragma once

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

namespace quil::test {

// Ends the process with a message when `progress` stands still for `limit`:
// a program that hangs takes no more events, and the seed that hung it is the
// one thing worth printing then.
class HangWatch {
 public:
  HangWatch(const std::atomic<long>& progress, std::chrono::seconds limit, std::string message);
  ~HangWatch();
  HangWatch(const HangWatch&) = delete;
  HangWatch& operator=(const HangWatch&) = delete;

 private:
  void Watch();

  const std::atomic<long>& progress_;
  std::chrono::seconds limit_;
  std::string message_;
  std::mutex mutex_;
  std::condition_variable stop_;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace quil::test
