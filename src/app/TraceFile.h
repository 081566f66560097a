#pragma once

#include <cstdio>
#include <mutex>
#include <string>

#include "runtime/Trace.h"

namespace quil::app {

// A trace written to a file, one line a record:
//
//   <monotonic clock, us> <CPU time of the recording thread, us> <kind> <owner> <item> <event>
//
// with "-" for a name that is not given. Lines are buffered and reach the
// file at the latest when the trace is destroyed or flushed.
class TraceFile final : public rt::TraceSink {
 public:
  // Throws std::runtime_error when the file cannot be written.
  explicit TraceFile(const std::string& path);
  ~TraceFile() override;
  TraceFile(const TraceFile&) = delete;
  TraceFile& operator=(const TraceFile&) = delete;

  void Record(rt::TraceKind kind, std::string_view owner, std::string_view item, std::string_view event) override;
  void Flush();

 private:
  std::mutex mutex_;
  std::FILE* file_;
};

}  // namespace quil::app
