#pragma once

#include "runtime/Twips.h"

// Where things lie on the home menu, in twips. The tiles stand on a grid of
// four columns and three rows per page; the pages lie side by side, each a page
// width further right, and only the page on screen lies within it.
namespace quil::home::geometry {

inline constexpr int kTileCount = 48;
inline constexpr int kColumns = 4;
inline constexpr int kRows = 3;
inline constexpr int kTilesPerPage = kColumns * kRows;
inline constexpr int kFirstPage = 1;
inline constexpr int kLastPage = kTileCount / kTilesPerPage;

inline constexpr double kPageWidth = 13200;
inline constexpr double kFirstColumnLeft = 1080;
inline constexpr double kColumnPitch = 2520;
inline constexpr double kFirstRowTop = 840;
inline constexpr double kRowPitch = 1920;
inline constexpr double kTileFrameWidth = 2295;
inline constexpr double kTileFrameHeight = 1695;
// A tile's picture box, as most tiles and every own channel have it.
inline constexpr double kPictureInset = 120;
inline constexpr double kPictureWidth = 2055;
inline constexpr double kPictureHeight = 1455;

// The page a tile is on, 1 to 4, and the first tile of a page.
constexpr int PageOf(int tile) { return (tile - 1) / kTilesPerPage + 1; }
constexpr int FirstTileOf(int page) { return (page - 1) * kTilesPerPage + 1; }
// Left of a tile's frame while its page is on screen.
constexpr double ColumnLeft(int tile) { return kFirstColumnLeft + kColumnPitch * ((tile - 1) % kColumns); }

// The zoom box waits hidden here, a small square in the middle of the screen.
inline constexpr rt::Rect kZoomBoxRest{5880, 4440, 255, 255};
// The date under the tiles, once the menu is up.
inline constexpr double kDateLeft = 4440;
inline constexpr double kDateTop = 7440;
// The page arrows at rest, once the menu is up; the next-page arrow swings
// right of its place, the previous-page arrow keeps its distance behind it.
inline constexpr double kNextArrowLeft = 11200;
inline constexpr double kPreviousArrowLeft = 270;
inline constexpr double kArrowsTop = 3360;
// The warning while the intro shows it.
inline constexpr double kWarningLeft = 1200;
inline constexpr double kWarningTop = 720;

}  // namespace quil::home::geometry
