#pragma once

#include <optional>

#include "MonkeyEvent.h"
#include "runtime/Application.h"

namespace quil::test {

// Where the monkey's events come from. A source may look at the program as it
// stands to choose the next one; nullopt ends the monkey's work.
class InputSource {
 public:
  virtual ~InputSource() = default;
  virtual std::optional<MonkeyEvent> Next(const rt::Application& app, bool messageBoxShowing) = 0;
};

}  // namespace quil::test
