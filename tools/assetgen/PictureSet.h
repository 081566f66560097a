#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "Paint.h"

namespace quil::assetgen {

struct NamedPicture {
  std::string name;  // the control or tile that shows it
  Surface surface;
  int hotX = 0, hotY = 0;  // for pointer pictures
};

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
