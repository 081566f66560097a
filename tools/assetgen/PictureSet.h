#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "Paint.h"

namespace quil::assetgen {

// The sizes a picture the screens show is drawn at, as multiples of its own:
// a screen shown larger takes the smallest at or above its scale.
inline constexpr int kDrawnSizes = 3;

struct NamedPicture {
  std::string name;  // the control or tile that shows it
  std::vector<Surface> drawn;  // at its own size, then twice and three times it where drawn larger
  int hotX = 0, hotY = 0;  // for pointer pictures, at its own size
};

// The picture drawn at each of the sizes: `draw` makes it at `factor` times its own.
std::vector<Surface> AtEverySize(const std::function<Surface(int factor)>& draw);

using PictureSet = std::vector<NamedPicture>;

// Each family of pictures adds its members to the set.
void AddChrome(PictureSet& set);
void AddIcons(PictureSet& set, const std::filesystem::path& svgDir);
void AddBanners(PictureSet& set);
void AddTileCards(PictureSet& set);
void AddScreenshots(PictureSet& set);

// Writes <name>.png per picture, plus the assembly file that embeds them and
// the table that names them, for the run-time picture library.
void WritePictures(const PictureSet& set, const std::filesystem::path& pngDir, const std::filesystem::path& genDir);
// Draws one SVG picture as a square PNG of `size` pixels (the desktop's application icons).
void WriteIcon(const std::filesystem::path& svg, int size, const std::filesystem::path& png);
void WriteContactSheet(const PictureSet& set, const std::filesystem::path& file);

}  // namespace quil::assetgen
