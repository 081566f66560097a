// The PNG pictures the build leaves in its tree: each picture the screens
// show, at the size it is drawn at, and no other.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <set>

#include "DesignPictures.h"
#include "PngFile.h"

namespace quil::assets::test {
namespace {

// Each picture at its own size in the folder, twice and three times it in 2x/ and 3x/.
TEST(PictureFiles, EveryDesignPictureExistsAtItsSizesAndNoOther) {
  std::set<std::string> expected;
  for (const auto& p : DesignPictures())
    for (int factor = 1; factor <= (p.larger == Larger::Not ? 1 : 3); ++factor) {
      const std::string name = factor == 1 ? p.name : std::to_string(factor) + "x/" + p.name;
      expected.insert(name + ".png");
      PngFile png = LoadPicture(name);
      EXPECT_EQ(png.width, p.width * factor) << name;
      EXPECT_EQ(png.height, p.height * factor) << name;
    }
  std::set<std::string> found;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(QUIL_PICTURE_DIR))
    if (entry.is_regular_file())
      found.insert(std::filesystem::relative(entry.path(), QUIL_PICTURE_DIR).string());
  EXPECT_EQ(found, expected);
}

// The pictures at their own size are the ones the screens have always shown,
// pixel for pixel: drawing them larger must not change them. A deliberate
// change of the art changes this figure, the colours of every picture at its
// own size in the catalogue's order, folded by FNV-1a.
TEST(PictureFiles, PicturesAtTheirOwnSizeAreUnchanged) {
  std::uint64_t fold = 0xcbf29ce484222325u;
  for (const auto& p : DesignPictures())
    for (std::uint8_t byte : LoadPicture(p.name).rgba) fold = (fold ^ byte) * 0x100000001b3u;
  EXPECT_EQ(fold, 0x9b01e18d76691177u);
}

// 2 x 2 blocks of the picture drawn twice as large whose pixels differ: a
// picture enlarged from its own size by whole pixels has none.
int DetailedBlocks(const PngFile& twice) {
  int detailed = 0;
  for (int y = 0; y + 1 < twice.height; y += 2)
    for (int x = 0; x + 1 < twice.width; x += 2) {
      const std::uint32_t corner = twice.At(x, y);
      if (twice.At(x + 1, y) != corner || twice.At(x, y + 1) != corner || twice.At(x + 1, y + 1) != corner)
        ++detailed;
    }
  return detailed;
}

// Drawn twice as large, a picture gains the detail its own size cannot hold
// along its curves and letters (as many blocks as the banners' one rounded
// step gives at the least); pixel art keeps its pixels crisp instead, each one
// exactly a block of 2 x 2 and of 3 x 3.
TEST(PictureFiles, LargerDrawingsHaveDetailOrCrispPixels) {
  for (const auto& p : DesignPictures()) {
    if (p.larger == Larger::Not || p.name == "ImageGreyBar" || p.name == "PointerBlank") continue;
    SCOPED_TRACE(p.name);
    const PngFile own = LoadPicture(p.name), twice = LoadPicture("2x/" + p.name);
    if (p.larger == Larger::Drawn) {
      EXPECT_GE(DetailedBlocks(twice), 16);
      continue;
    }
    const PngFile thrice = LoadPicture("3x/" + p.name);
    int wrong = 0;
    for (int y = 0; y < p.height; ++y)
      for (int x = 0; x < p.width; ++x)
        for (auto [dx, dy] : {std::pair{0, 0}, {1, 0}, {0, 1}, {1, 1}})
          wrong += twice.At(2 * x + dx, 2 * y + dy) != own.At(x, y) || thrice.At(3 * x + 2 * dx, 3 * y + 2 * dy) != own.At(x, y);
    EXPECT_EQ(wrong, 0);
  }
}

TEST(PictureFiles, ButtonsAndArrowsHaveTransparentCorners) {
  for (const char* name : {"ImageAR", "ImageAL", "ImageExit", "ChannelButton", "ImageMail", "ImageLabelQuil"}) {
    PngFile png = LoadPicture(name);
    for (auto [x, y] : {std::pair{0, 0}, {png.width - 1, 0}, {0, png.height - 1}, {png.width - 1, png.height - 1}})
      EXPECT_EQ(png.Alpha(x, y), 0) << name << " at " << x << "," << y;
  }
  for (const char* name : {"ImageAR", "ImageAL", "ImageExit", "ChannelButton"}) {
    PngFile png = LoadPicture(name);
    EXPECT_EQ(png.Alpha(png.width / 2, png.height / 2), 255) << name << " has a solid middle";
  }
}

TEST(PictureFiles, BlankPointerIsTransparentThroughout) {
  PngFile png = LoadPicture("PointerBlank");
  for (int y = 0; y < png.height; ++y)
    for (int x = 0; x < png.width; ++x) ASSERT_EQ(png.Alpha(x, y), 0) << x << "," << y;
}

TEST(PictureFiles, BarEdgeIsClearAboveTheTealLineAndBarColouredBelow) {
  PngFile line = LoadPicture("ImageLine");
  EXPECT_EQ(line.Alpha(0, 0), 0);
  EXPECT_EQ(line.Alpha(line.width / 2, 30), 0) << "the trough dips below the line's height at the sides";
  EXPECT_EQ(line.At(5, line.height - 1), 0xFFCACED8u);
  EXPECT_EQ(line.At(line.width / 2, line.height - 1), 0xFFCACED8u);
  bool teal = false;
  for (int y = 0; y < line.height; ++y) teal = teal || line.At(5, y) == 0xFF00B0B0u;
  EXPECT_TRUE(teal) << "the line is teal";

  PngFile bar = LoadPicture("ImageGreyBar");
  for (int y = 0; y < bar.height; ++y)
    for (int x = 0; x < bar.width; ++x) ASSERT_EQ(bar.At(x, y), 0xFFCACED8u) << x << "," << y;
}

bool MirrorImages(const PngFile& a, const PngFile& b) {
  if (a.width != b.width || a.height != b.height) return false;
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x)
      if (a.At(x, y) != b.At(a.width - 1 - x, y)) return false;
  return true;
}

TEST(PictureFiles, LeftAndRightPairsAreMirrorImages) {
  EXPECT_TRUE(MirrorImages(LoadPicture("ImageCurveLine1"), LoadPicture("ImageCurveLine2")));
  EXPECT_TRUE(MirrorImages(LoadPicture("ImageAR"), LoadPicture("ImageAL")));
  PngFile curve = LoadPicture("ImageCurveLine2");
  EXPECT_EQ(curve.Alpha(0, 0), 0);
  EXPECT_EQ(curve.Alpha(curve.width - 1, 0), 0);
  EXPECT_GT(curve.Alpha(curve.width - 1, 140), 0) << "the curve comes in from the right along the bottom";
}

struct BannerDesign {
  const char* name;
  std::uint32_t tab;  // 0xRRGGBB
  int column;
  std::uint32_t blend;
};

TEST(PictureFiles, BannersAreDrawnInTheirThreeColours) {
  const BannerDesign banners[] = {{"BannerKestrel", 0xA19BA1, 186, 0xE6E6E6},
                                  {"BannerSuperKestrel", 0x7997E0, 186, 0xE6E6E6},
                                  {"BannerKestrel64", 0x5638FC, 311, 0xE6E6E6},
                                  {"BannerMeridian", 0x92175E, 311, 0x202322}};
  for (const auto& b : banners) {
    SCOPED_TRACE(b.name);
    PngFile png = LoadPicture(b.name);
    const std::uint32_t tab = 0xFF000000 | b.tab, blend = 0xFF000000 | b.blend, black = 0xFF000000;
    std::set<std::uint32_t> colours;
    for (int y = 0; y < png.height; ++y)
      for (int x = 0; x < png.width; ++x) colours.insert(png.At(x, y));
    EXPECT_EQ(colours, (std::set<std::uint32_t>{tab, blend, black}));
    EXPECT_EQ(png.At(10, 3), blend) << "above the band";
    EXPECT_EQ(png.At(10, 6), tab) << "band from row 6";
    EXPECT_EQ(png.At(10, 27), tab) << "band to row 27";
    EXPECT_EQ(png.At(10, 28), black);
    EXPECT_EQ(png.At(10, 29), black);
    EXPECT_EQ(png.At(10, 30), blend);
    EXPECT_EQ(png.At(b.column - 30, 45), blend) << "left of the tab";
    EXPECT_EQ(png.At(b.column + 2, 45), tab) << "the tab starts at its column";
    EXPECT_EQ(png.At(b.column - 2, 45), blend);
    EXPECT_EQ(png.At(430, 58), tab) << "tab down to row 58";
    EXPECT_EQ(png.At(430, 59), black);
    EXPECT_EQ(png.At(430, 60), black);
    EXPECT_EQ(png.At(430, 61), blend);
    EXPECT_EQ(png.At(b.column, 58), blend) << "the step is rounded";
  }
}

double PromptBrightness(const PngFile& png) {
  double brightest = 0;
  for (int y = 265; y < 300; ++y)
    for (int x = 100; x < 350; ++x) brightest = std::max<double>(brightest, png.rgba[(y * png.width + x) * 4]);
  return brightest;
}

TEST(PictureFiles, WarningPromptBrightensFromFrameToFrame) {
  PngFile none = LoadPicture("Image1"), faint = LoadPicture("Image2"), middle = LoadPicture("Image6"),
          full = LoadPicture("Image3");
  EXPECT_EQ(PromptBrightness(none), 0);
  EXPECT_GT(PromptBrightness(faint), 40);
  EXPECT_GT(PromptBrightness(middle), PromptBrightness(faint) + 40);
  EXPECT_GT(PromptBrightness(full), PromptBrightness(middle) + 40);
  EXPECT_EQ(full.At(0, 0), 0xFF000000u) << "white on black";
  EXPECT_EQ(PromptBrightness(full), 255);
}

TEST(PictureFiles, BitmapTilesAreOpaque) {
  for (const char* name : {"Shape37Image", "Shape42Image"}) {
    PngFile png = LoadPicture(name);
    for (int y = 0; y < png.height; ++y)
      for (int x = 0; x < png.width; ++x) ASSERT_EQ(png.Alpha(x, y), 255) << name << " " << x << "," << y;
  }
}

double MeanDifference(const PngFile& a, const PngFile& b) {
  int w = std::min(a.width, b.width), h = std::min(a.height, b.height);
  double sum = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      for (int k = 0; k < 4; ++k)
        sum += std::abs(a.rgba[(y * a.width + x) * 4 + k] - b.rgba[(y * b.width + x) * 4 + k]);
  return sum / (w * h * 4.0);
}

// Tile cards and screenshots are each their own picture, not copies of one another.
TEST(PictureFiles, NoTwoCardsOrScreenshotsAlike) {
  std::vector<std::pair<std::string, PngFile>> art;
  for (const auto& p : DesignPictures())
    if (p.name.rfind("Shape", 0) == 0 || p.name.find("Screenshot") != std::string::npos)
      art.emplace_back(p.name, LoadPicture(p.name));
  for (std::size_t i = 0; i < art.size(); ++i)
    for (std::size_t j = i + 1; j < art.size(); ++j)
      EXPECT_GT(MeanDifference(art[i].second, art[j].second), 12) << art[i].first << " and " << art[j].first;
}

}  // namespace
}  // namespace quil::assets::test
