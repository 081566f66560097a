#include "XvfbServer.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>
#include <stdexcept>

namespace quil::test {

namespace {
constexpr int kAttempts = 3;
}  // namespace

XvfbServer::XvfbServer(std::string size) : size_(std::move(size)) {
  // Never fall back on a desktop the caller happens to have.
  unsetenv("DISPLAY");
  // Servers started at the same moment elsewhere can race for a display number.
  for (int attempt = 0; attempt < kAttempts && display_.empty(); ++attempt) Start();
  if (display_.empty()) throw std::runtime_error("Xvfb did not start");
  setenv("DISPLAY", display_.c_str(), 1);
}

void XvfbServer::Start() {
  int pipeFds[2];
  if (pipe(pipeFds) != 0) return;
  pid_ = fork();
  if (pid_ == 0) {
    close(pipeFds[0]);
    const std::string fd = std::to_string(pipeFds[1]);
    // -displayfd lets the server pick a free display number and tell us.
    const std::string screen = size_ + "x24";
    execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", screen.c_str(), "-nolisten", "tcp", "-br",
           static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipeFds[1]);
  // The number comes with a newline; the server dies if the pipe closes before that.
  std::string number;
  char c = 0;
  while (pid_ > 0 && read(pipeFds[0], &c, 1) == 1 && c != '\n') number += c;
  close(pipeFds[0]);
  if (c != '\n' || number.empty()) {
    Stop();
    return;
  }
  display_ = ":" + number;
}

XvfbServer::~XvfbServer() { Stop(); }

void XvfbServer::Stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

int XvfbServer::Run(const std::string& command) const {
  return std::system(("DISPLAY=" + display_ + " " + command).c_str());
}

std::string XvfbServer::Capture() const { return Output("import -silent -window root -depth 8 rgb:-"); }

std::string XvfbServer::Output(const std::string& command) const {
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(("DISPLAY=" + display_ + " " + command).c_str(), "r"), pclose);
  if (!pipe) return {};
  std::string bytes;
  char chunk[65536];
  while (const std::size_t got = fread(chunk, 1, sizeof chunk, pipe.get())) bytes.append(chunk, got);
  return bytes;
}

std::vector<unsigned long> XvfbServer::WindowCardinals(const std::string& property) const {
  std::unique_ptr<::Display, int (*)(::Display*)> display(XOpenDisplay(display_.c_str()), XCloseDisplay);
  if (!display) return {};
  const Atom atom = XInternAtom(display.get(), property.c_str(), False);
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display.get(), DefaultRootWindow(display.get()), &root, &parent, &children, &count)) return {};
  std::vector<unsigned long> items;
  for (unsigned i = 0; i < count && items.empty(); ++i) {
    Atom type = 0;
    int format = 0;
    unsigned long length = 0, after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display.get(), children[i], atom, 0, 1 << 20, False, XA_CARDINAL, &type, &format, &length,
                           &after, &data) == Success &&
        data && format == 32) {
      // Xlib hands 32-bit items over as longs, sign-extended.
      const auto* values = reinterpret_cast<const unsigned long*>(data);
      for (unsigned long j = 0; j < length; ++j) items.push_back(values[j] & 0xFFFFFFFFul);
    }
    if (data) XFree(data);
  }
  if (children) XFree(children);
  return items;
}

}  // namespace quil::test
