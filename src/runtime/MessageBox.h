#pragma once

#include <string>

namespace quil::rt {

// The message box styles the program uses: an OK button with an icon.
enum class MessageBoxStyle { Stop = 16, Information = 64 };

struct MessageBoxRequest {
  std::string prompt;
  MessageBoxStyle style = MessageBoxStyle::Information;
  std::string title;
};

}  // namespace quil::rt
