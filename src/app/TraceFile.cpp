#include "app/TraceFile.h"

#include <time.h>

#include <stdexcept>

namespace quil::app {
namespace {

long long MicrosOf(clockid_t clock) {
  timespec now{};
  clock_gettime(clock, &now);
  return static_cast<long long>(now.tv_sec) * 1'000'000 + now.tv_nsec / 1000;
}

// Names never hold spaces, but a file name might: it must stay one field.
void Field(std::FILE* file, std::string_view name) {
  std::fputc(' ', file);
  if (name.empty()) {
    std::fputc('-', file);
    return;
  }
  for (const char c : name) std::fputc(c == ' ' || c == '\n' ? '_' : c, file);
}

}  // namespace

TraceFile::TraceFile(const std::string& path) : file_(std::fopen(path.c_str(), "w")) {
  if (!file_) throw std::runtime_error("cannot write the trace " + path);
  std::fputs("# us cpu-us kind owner item event\n", file_);
  Record(rt::TraceKind::Start, "program", {}, {});
}

TraceFile::~TraceFile() { std::fclose(file_); }

void TraceFile::Record(rt::TraceKind kind, std::string_view owner, std::string_view item, std::string_view event) {
  const long long cpu = MicrosOf(CLOCK_THREAD_CPUTIME_ID);
  const long long now = MicrosOf(CLOCK_MONOTONIC);
  std::lock_guard lock(mutex_);
  std::fprintf(file_, "%lld %lld", now, cpu);
  Field(file_, rt::TraceKindName(kind));
  Field(file_, owner);
  Field(file_, item);
  Field(file_, event);
  std::fputc('\n', file_);
}

void TraceFile::Flush() {
  std::lock_guard lock(mutex_);
  std::fflush(file_);
}

}  // namespace quil::app
