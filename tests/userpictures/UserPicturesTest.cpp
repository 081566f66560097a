// A user's pictures: fitted to their boxes at the size asked for, and every
// file that cannot be shown replaced by the drawn picture with one line.
#include "userpictures/UserPicture.h"

#include <gdk-pixbuf/gdk-pixbuf.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <functional>

#include "support/ScratchFolder.h"

namespace quil::userpictures {
namespace {

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF, kDrawn = 0xFF123456;

// Writes a width x height picture whose pixel (x, y) is colour(x, y), 0xRRGGBB.
void Save(const std::string& path, const char* format, int width, int height,
          const std::function<std::uint32_t(int, int)>& colour) {
  GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, FALSE, 8, width, height);
  guchar* pixels = gdk_pixbuf_get_pixels(pixbuf);
  const int stride = gdk_pixbuf_get_rowstride(pixbuf);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const std::uint32_t c = colour(x, y);
      guchar* p = pixels + static_cast<std::size_t>(y) * stride + x * 3;
      p[0] = c >> 16 & 0xFF, p[1] = c >> 8 & 0xFF, p[2] = c & 0xFF;
    }
  ASSERT_TRUE(gdk_pixbuf_save(pixbuf, path.c_str(), format, nullptr, nullptr)) << path;
  g_object_unref(pixbuf);
}

// Thirds across: red, green, blue.
std::uint32_t Thirds(int x, int width) { return x < width / 3 ? 0xFF0000 : x < 2 * width / 3 ? 0x00FF00 : 0x0000FF; }

// Near enough for a decoder's rounding, and for JPEG.
bool Near(std::uint32_t a, std::uint32_t b) {
  for (int shift = 0; shift < 32; shift += 8)
    if (std::abs(static_cast<int>(a >> shift & 0xFF) - static_cast<int>(b >> shift & 0xFF)) > 24) return false;
  return true;
}

class UserPictures : public ::testing::Test {
 protected:
  rt::PictureRef Picture(PictureFiles files, int width, int height, Fit fit) {
    return UserPicture(
        std::move(files), width, height, fit,
        [](int w, int h) { return rt::Picture::Pixels32(static_cast<std::size_t>(w) * h, kDrawn); },
        [this](const std::string& line) { lines.push_back(line); });
  }
  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = folder.PathOf("/" + name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }

  test::ScratchFolder folder;
  std::vector<std::string> lines;
};

TEST_F(UserPictures, ATilePictureCoversItsBoxCroppedAboutTheMiddle) {
  for (const char* format : {"png", "jpeg"}) {
    const std::string path = folder.PathOf(std::string("/wide.") + format);
    Save(path, format, 600, 200, [](int x, int) { return Thirds(x, 600); });
    const rt::PictureRef picture = Picture({{path}, true}, 100, 100, Fit::Cover);
    EXPECT_EQ(picture->Width(), 100);
    for (const auto& [x, y] : {std::pair{0, 0}, {99, 99}, {50, 50}, {4, 95}})
      EXPECT_TRUE(Near(picture->PixelAt(x, y), kGreen)) << format << " at " << x << "," << y;
  }
  EXPECT_TRUE(lines.empty());
}

TEST_F(UserPictures, AScreenshotFitsItsBoxWholeAndCentred) {
  const std::string path = folder.PathOf("/shot.png");
  Save(path, "png", 300, 100, [](int x, int) { return Thirds(x, 300); });
  const rt::PictureRef picture = Picture({{path}, true}, 120, 120, Fit::Contain);
  // 120 x 40 in the middle band, transparent above and below.
  EXPECT_EQ(picture->PixelAt(60, 10), 0u);
  EXPECT_EQ(picture->PixelAt(60, 110), 0u);
  EXPECT_TRUE(Near(picture->PixelAt(5, 60), kRed));
  EXPECT_TRUE(Near(picture->PixelAt(60, 60), kGreen));
  EXPECT_TRUE(Near(picture->PixelAt(115, 60), kBlue));
}

TEST_F(UserPictures, TwiceTheSizeIsDrawnFromTheOriginalNotEnlarged) {
  // Stripes one pixel wide at twice a 137 x 97 tile: a 1x copy cannot hold them.
  const std::string path = folder.PathOf("/stripes.png");
  Save(path, "png", 548, 388, [](int x, int) { return x / 2 % 2 ? 0xFFFFFFu : 0u; });
  const rt::PictureRef picture = Picture({{path}, true}, 137, 97, Fit::Cover);
  const rt::Picture::Pixels32 twice = picture->PixelsAt(274, 194);
  ASSERT_EQ(twice.size(), 274u * 194);
  long contrast = 0;
  for (int x = 1; x < 274; ++x)
    contrast += std::abs(static_cast<int>(twice[100 * 274 + x] & 0xFF) - static_cast<int>(twice[100 * 274 + x - 1] & 0xFF));
  EXPECT_GT(contrast / 273, 200) << "neighbouring columns blur into each other";
}

TEST_F(UserPictures, FilesThatCannotBeShownGiveTheDrawnPictureAndOneLine) {
  const std::string jpeg = folder.PathOf("/real.jpg");
  Save(jpeg, "jpeg", 64, 64, [](int x, int y) { return (x ^ y) * 0x030201u; });
  std::ifstream in(jpeg, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), {});
  const std::string huge = folder.PathOf("/huge.png");
  Save(huge, "png", 8193, 1, [](int, int) { return 0u; });
  const std::string large = Write("large.png", "\x89PNG\r\n\x1A\n");
  ASSERT_EQ(truncate(large.c_str(), (32 << 20) + 1), 0);
  const std::string fifo = folder.PathOf("/fifo.png");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);

  const struct {
    std::string path, says;
  } cases[] = {
      {Write("broken.png", std::string("\x89PNG\r\n\x1A\n", 8) + std::string(200, '\x55')), "cannot be decoded"},
      {Write("broken.jpg", bytes.substr(0, 20) + std::string(400, '\x33')), "cannot be decoded"},
      {Write("text.png", "This is not a picture.\n"), "not a PNG or JPEG"},
      {huge, "more than 8192 pixels"},
      {large, "larger than 32 MB"},
      {fifo, "not an ordinary file"},
      {folder.PathOf("/absent.png"), "no such file"},
  };
  for (const auto& file : cases) {
    lines.clear();
    const rt::PictureRef picture = Picture({{file.path}, true}, 40, 30, Fit::Cover);
    EXPECT_EQ(picture->PixelAt(20, 15), kDrawn) << file.path;
    EXPECT_EQ(picture->PixelsAt(80, 60)[0], kDrawn) << file.path;
    ASSERT_EQ(lines.size(), 1u) << file.path << ": reported once, at whatever size";
    EXPECT_NE(lines[0].find(file.path + ": "), std::string::npos) << lines[0];
    EXPECT_NE(lines[0].find(file.says), std::string::npos) << lines[0];
  }
}

TEST_F(UserPictures, ByConventionTheFirstFileThereCountsAndNoneIsNoProblem) {
  const std::string jpg = folder.PathOf("/tile.jpg");
  Save(jpg, "jpeg", 40, 40, [](int, int) { return 0x0000FFu; });
  const rt::PictureRef found = Picture({{folder.PathOf("/tile.png"), jpg}, false}, 10, 10, Fit::Cover);
  EXPECT_TRUE(Near(found->PixelAt(5, 5), kBlue));
  const rt::PictureRef none = Picture({{folder.PathOf("/a.png"), folder.PathOf("/a.jpg")}, false}, 10, 10, Fit::Cover);
  EXPECT_EQ(none->PixelAt(5, 5), kDrawn);
  EXPECT_TRUE(lines.empty());
}

}  // namespace
}  // namespace quil::userpictures
