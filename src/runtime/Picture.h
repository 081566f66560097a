#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace quil::rt {

// The point of a pointer picture that marks the pointer's position.
struct PictureHotSpot {
  int x = 0;
  int y = 0;
};

// A bitmap held by picture-carrying controls and used as a pointer picture.
// Pixels are 32-bit premultiplied ARGB (0xAARRGGBB in native byte order), row
// after row without padding: the format Cairo paints from directly.
// The pixels may be decoded lazily: the size is known up front, the decoder
// runs on the first call to Pixels().
// A picture may come with larger drawings of itself for screens shown larger,
// each decoded only when asked for and kept only by whoever asked. A picture
// whose source can be drawn at any size (a user's photograph) is drawn at
// each device size from that source instead.
class Picture {
 public:
  using Pixels32 = std::vector<std::uint32_t>;
  using Decoder = std::function<Pixels32()>;
  // The picture drawn at width x height.
  using SizedDecoder = std::function<Pixels32(int width, int height)>;

  using HotSpot = PictureHotSpot;

  Picture(int width, int height, Pixels32 pixels, HotSpot hotSpot = {});
  // `larger`: the decoders of the same picture drawn at twice its size, three
  // times, and so on.
  Picture(int width, int height, Decoder decoder, HotSpot hotSpot = {}, std::vector<Decoder> larger = {});
  Picture(int width, int height, SizedDecoder decoder);

  int Width() const { return width_; }
  int Height() const { return height_; }
  HotSpot Hot() const { return hotSpot_; }

  // How many times its size the drawing to show with `scale` device pixels
  // to each of its own is: the smallest drawn at or above that scale, so it
  // is only ever filtered down (the largest when none reaches it); 1, the
  // picture itself, at scale 1 and below.
  int FactorFor(double scale) const;
  // The picture drawn `factor` times as large (2 or more, as FactorFor gives),
  // its hot spot with it, decoded on first use: the caller holds it as long
  // as it needs its pixels.
  std::shared_ptr<const Picture> Drawn(int factor) const;

  const Pixels32& Pixels() const;
  std::uint32_t PixelAt(int x, int y) const { return Pixels()[static_cast<std::size_t>(y) * width_ + x]; }
  bool FullyTransparent() const;

  bool DrawnAtAnySize() const { return static_cast<bool>(sized_); }
  // The picture drawn afresh at width x height, not kept; only for a picture
  // drawn at any size, empty for others.
  Pixels32 PixelsAt(int width, int height) const;

 private:
  int width_;
  int height_;
  HotSpot hotSpot_;
  mutable Decoder decoder_;
  SizedDecoder sized_;
  mutable bool sizedPending_ = false;  // its own size not drawn yet
  mutable Pixels32 pixels_;
  std::vector<Decoder> larger_;
};

using PictureRef = std::shared_ptr<const Picture>;

}  // namespace quil::rt
