#include "runtime/Picture.h"

#include <algorithm>
#include <stdexcept>

namespace quil::rt {

Picture::Picture(int width, int height, Pixels32 pixels, HotSpot hotSpot)
    : width_(width), height_(height), hotSpot_(hotSpot), pixels_(std::move(pixels)) {
  if (pixels_.size() != static_cast<std::size_t>(width) * height)
    throw std::invalid_argument("picture pixel count does not match its size");
}

Picture::Picture(int width, int height, Decoder decoder, HotSpot hotSpot, Drawings larger)
    : width_(width), height_(height), hotSpot_(hotSpot), decoder_(std::move(decoder)), larger_(std::move(larger)) {}

const Picture& Picture::DrawnFor(double scale) const {
  // A scale computed from a window's size may land a hair above a whole one.
  constexpr double kHair = 1e-6;
  if (scale <= 1 + kHair || larger_.empty()) return *this;
  for (const auto& drawing : larger_)
    if (drawing->Width() >= width_ * (scale - kHair)) return *drawing;
  return *larger_.back();
}

const Picture::Pixels32& Picture::Pixels() const {
  if (decoder_) {
    pixels_ = decoder_();
    decoder_ = nullptr;
    // A decoder that fails leaves a transparent picture of the promised size rather
    // than a short buffer that every reader would overrun.
    if (pixels_.size() != static_cast<std::size_t>(width_) * height_)
      pixels_.assign(static_cast<std::size_t>(width_) * height_, 0);
  }
  return pixels_;
}

bool Picture::FullyTransparent() const {
  const auto& p = Pixels();
  return std::all_of(p.begin(), p.end(), [](std::uint32_t px) { return (px >> 24) == 0; });
}

}  // namespace quil::rt
