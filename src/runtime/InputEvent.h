#pragma once

namespace quil::rt {

// Shift-state bits of key events.
inline constexpr int kShiftMask = 1;
inline constexpr int kCtrlMask = 2;
inline constexpr int kAltMask = 4;

// Virtual-key codes the runtime itself acts on.
inline constexpr int kKeyTab = 9;
inline constexpr int kKeyEscape = 27;

// One input from the platform. Pointer positions are pixels from the top-left
// corner of the window's client area; keys are virtual-key codes.
struct InputEvent {
  enum class Type {
    PointerMove,
    PointerDown,
    PointerUp,
    KeyDown,
    KeyUp,
    MessageBoxDismissed,  // the open message box was answered
    CloseRequested,       // the window manager asked the program to close
  };

  Type type = Type::PointerMove;
  double x = 0;
  double y = 0;
  int button = 1;  // 1 left, 2 middle, 3 right
  int keyCode = 0;
  int shift = 0;
};

}  // namespace quil::rt
