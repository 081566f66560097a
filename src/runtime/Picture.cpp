#include "runtime/Picture.h"

#include <algorithm>
#include <stdexcept>

namespace quil::rt {

Picture::Picture(int width, int height, Pixels32 pixels, HotSpot hotSpot)
    : width_(width), height_(height), hotSpot_(hotSpot), pixels_(std::move(pixels)) {
  if (pixels_.size() != static_cast<std::size_t>(width) * height)
    throw std::invalid_argument("picture pixel count does not match its size");
}

Picture::Picture(int width, int height, Decoder decoder, HotSpot hotSpot)
    : width_(width), height_(height), hotSpot_(hotSpot), decoder_(std::move(decoder)) {}

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
