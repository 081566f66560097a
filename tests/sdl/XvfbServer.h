#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace quil::test {

// A private X server with a screen of the given size (800 x 600 unless told)
// for the life of the object; it becomes this process's DISPLAY. Tests on the
// real backend never assume a desktop.
class XvfbServer {
 public:
  explicit XvfbServer(std::string size = "800x600");
  ~XvfbServer();
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  const std::string& Display() const { return display_; }
  // Runs a shell command against this server; its exit status.
  int Run(const std::string& command) const;
  // What a shell command against this server prints.
  std::string Output(const std::string& command) const;
  // The screen's pixels as RGB bytes, read back from the server.
  std::string Capture() const;
  // The items of a 32-bit CARDINAL property of the first top-level window
  // that has it; empty when none has.
  std::vector<unsigned long> WindowCardinals(const std::string& property) const;

 private:
  void Start();
  void Stop();

  std::string size_;
  pid_t pid_ = -1;
  std::string display_;
};

}  // namespace quil::test
