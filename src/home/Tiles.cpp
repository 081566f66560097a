#include "home/Tiles.h"

#include "home/MenuDesign.h"

namespace quil::home {
namespace {

// Tile 10 sounds only while it shows a picture, and nothing ever gives it one.
constexpr int kTileSilentWithoutPicture = 10;

// Where a designed tile's picture sits in its frame after a page has arrived.
struct DesignInset {
  int tile;
  int inset;
};
constexpr DesignInset kOtherInsets[] = {{14, 25}, {26, 160}};

}  // namespace

Tiles::Tiles(const Controls& controls, HoverSound& hover) : controls_(controls), hover_(hover) {
  for (int tile = 1; tile <= geometry::kTileCount; ++tile)
    Picture(tile).OnMouseMove([this, tile] { OnPointerOverPicture(tile); });
}

void Tiles::OnPointerOverPicture(int tile) {
  if (tile == kTileSilentWithoutPicture && !Picture(tile).Picture())
    hover_.HoldBack();
  else
    hover_.Play();
  if (!outlined_) {
    SetOutline(tile, design::kFrameTeal, 2);
    outlined_ = true;
  }
}

void Tiles::Seat(const OwnTile& own) {
  rt::Image& picture = Picture(own.tile);
  const rt::Shape& frame = Frame(own.tile);
  seated_.at(static_cast<std::size_t>(own.tile - 1)) = true;
  picture.SetLeft(frame.Left() + geometry::kPictureInset);
  picture.SetTop(frame.Top() + geometry::kPictureInset);
  picture.SetWidth(geometry::kPictureWidth);
  picture.SetHeight(geometry::kPictureHeight);
  picture.SetPicture(own.picture);
  picture.SetToolTip(own.title);
}

double Tiles::PictureInset(int tile) const {
  if (!seated_.at(static_cast<std::size_t>(tile - 1)))
    for (const DesignInset& other : kOtherInsets)
      if (other.tile == tile) return other.inset;
  return geometry::kPictureInset;
}

void Tiles::ShowFirstPage() {
  const int first = geometry::FirstTileOf(geometry::kFirstPage);
  for (int tile = first; tile < first + geometry::kTilesPerPage; ++tile) Frame(tile).SetVisible(true);
  for (int tile = first; tile < first + geometry::kTilesPerPage; ++tile) Picture(tile).SetVisible(true);
  outlined_ = true;
}

void Tiles::ResetOutlines(int pageOnScreen) {
  if (!outlined_) return;
  const auto reset = [this](int page) {
    const int first = geometry::FirstTileOf(page);
    for (int tile = first; tile < first + geometry::kTilesPerPage; ++tile) SetOutline(tile, design::kFrameGrey, 1);
  };
  reset(geometry::kFirstPage);
  if (pageOnScreen != geometry::kFirstPage) reset(pageOnScreen);
  outlined_ = false;
}

void Tiles::SetOutline(int tile, rt::Colour colour, int widthPixels) {
  Frame(tile).SetBorderColor(colour);
  Frame(tile).SetBorderWidth(widthPixels);
}

}  // namespace quil::home
