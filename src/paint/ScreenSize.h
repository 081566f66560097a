#pragma once

namespace quil::paint {

// The screen the program is made for, in pixels.
inline constexpr int kScreenWidth = 800;
inline constexpr int kScreenHeight = 600;

}  // namespace quil::paint
