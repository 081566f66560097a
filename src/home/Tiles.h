#pragma once

#include <array>

#include "home/HoverSound.h"
#include "home/MenuGeometry.h"
#include "home/OwnTile.h"
#include "runtime/Colour.h"
#include "runtime/Image.h"
#include "runtime/Shape.h"

namespace quil::home {

// The tiles' pointer feedback: a tile's picture under the pointer outlines its
// frame in teal and plays the hover sound once; a reset surface puts the
// outlines back.
class Tiles {
 public:
  // By tile number less one.
  struct Controls {
    std::array<rt::Shape*, geometry::kTileCount> frames;
    std::array<rt::Image*, geometry::kTileCount> pictures;
  };

  Tiles(const Controls& controls, HoverSound& hover);
  Tiles(const Tiles&) = delete;
  Tiles& operator=(const Tiles&) = delete;

  rt::Shape& Frame(int tile) const { return *controls_.frames.at(static_cast<std::size_t>(tile - 1)); }
  rt::Image& Picture(int tile) const { return *controls_.pictures.at(static_cast<std::size_t>(tile - 1)); }

  // The reveal: page 1's frames and pictures come up, and count as outlined
  // until the first reset.
  void ShowFirstPage();
  // Page 1 and the page on screen go back to the thin grey outline; the frames
  // of other pages keep whatever they show.
  void ResetOutlines(int pageOnScreen);
  // A frame shows the hover outline.
  bool Outlined() const { return outlined_; }
  // An own channel takes the tile: its picture in the tile's standard box,
  // its title as the tooltip.
  void Seat(const OwnTile& own);
  // The picture's inset in its frame, left and top.
  double PictureInset(int tile) const;

 private:
  void OnPointerOverPicture(int tile);
  void SetOutline(int tile, rt::Colour colour, int widthPixels);

  Controls controls_;
  HoverSound& hover_;
  bool outlined_ = false;
  std::array<bool, geometry::kTileCount> seated_{};
};

}  // namespace quil::home
