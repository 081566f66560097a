#include "runtime/Picture.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace quil::rt {

Picture::Picture(int width, int height, Pixels32 pixels, HotSpot hotSpot)
    : width_(width), height_(height), hotSpot_(hotSpot), pixels_(std::move(pixels)) {
  if (pixels_.size() != static_cast<std::size_t>(width) * height)
    throw std::invalid_argument("picture pixel count does not match its size");
}

Picture::Picture(int width, int height, Decoder decoder, HotSpot hotSpot, std::vector<Decoder> larger)
    : width_(width), height_(height), hotSpot_(hotSpot), decoder_(std::move(decoder)), larger_(std::move(larger)) {}

int Picture::FactorFor(double scale) const {
  // A scale computed from a window's size may land a hair above a whole one.
  constexpr double kHair = 1e-6;
  const int largest = static_cast<int>(larger_.size()) + 1;
  return std::clamp(static_cast<int>(std::ceil(scale - kHair)), 1, largest);
}

std::shared_ptr<const Picture> Picture::Drawn(int factor) const {
  return std::make_shared<const Picture>(width_ * factor, height_ * factor, larger_.at(factor - 2),
                                         HotSpot{hotSpot_.x * factor, hotSpot_.y * factor});
}

Picture::Picture(int width, int height, SizedDecoder decoder)
    : width_(width), height_(height), sized_(std::move(decoder)), sizedPending_(true) {}

Picture::Pixels32 Picture::PixelsAt(int width, int height) const {
  if (!sized_) return {};
  Pixels32 pixels = sized_(width, height);
  if (pixels.size() != static_cast<std::size_t>(width) * height) pixels.assign(static_cast<std::size_t>(width) * height, 0);
  return pixels;
}

const Picture::Pixels32& Picture::Pixels() const {
  if (sizedPending_) {
    pixels_ = PixelsAt(width_, height_);
    sizedPending_ = false;
  } else if (decoder_) {
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
