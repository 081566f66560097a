#include "HangWatch.h"

#include <cstdio>
#include <cstdlib>

namespace quil::test {

HangWatch::HangWatch(const std::atomic<long>& progress, std::chrono::seconds limit, std::string message)
    : progress_(progress), limit_(limit), message_(std::move(message)), thread_([this] { Watch(); }) {}

HangWatch::~HangWatch() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  stop_.notify_one();
  thread_.join();
}

void HangWatch::Watch() {
  std::unique_lock lock(mutex_);
  long seen = progress_.load();
  while (!stop_.wait_for(lock, limit_, [this] { return stopping_; })) {
    const long now = progress_.load();
    if (now == seen) {
      std::fprintf(stderr, "%s: no event taken for %llds, after %ld events\n", message_.c_str(),
                   static_cast<long long>(limit_.count()), now);
      std::abort();
    }
    seen = now;
  }
}

}  // namespace quil::test
