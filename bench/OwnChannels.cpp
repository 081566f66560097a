// Own channels, headless at twice the size on the tests' virtual clock, every
// frame painted whole: what bringing the first page of twelve own tiles on
// screen costs beyond a scroll over pictures already shown (their decoding
// and filtering), and the resident memory after every page and 10 own
// channel screens, and after more visits.
//
//   build/bench/quil-own-channels CHANNELS_FILE [visits]
//
// Prints: the first page's extra cost in ms, resident KiB after the pages and 10
// screens, resident KiB after the further visits, and how many those were.

#include <cairo.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "app/ChannelsFile.h"
#include "app/MediaFolder.h"
#include "app/Program.h"
#include "app/UserFile.h"
#include "catalogue/OwnChannels.h"
#include "home/MenuDesign.h"
#include "runtime/Image.h"
#include "paint/FormPainter.h"
#include "paint/ScreenSize.h"
#include "support/Driver.h"
#include "support/FakeMultimedia.h"
#include "support/FakePlatform.h"

namespace {

using namespace quil;
using Clock = std::chrono::steady_clock;

constexpr int kScale = 2;

// The virtual clock of the tests, with every presented frame painted at twice
// the size and the wall-clock time of the painting added up.
class PaintingPlatform : public test::FakePlatform {
 public:
  PaintingPlatform() { cairo_scale(cr_, kScale, kScale); }
  ~PaintingPlatform() override {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
  }
  void Present(const rt::Form& front, const rt::Tooltip& tooltip) override {
    FakePlatform::Present(front, tooltip);
    const Clock::time_point start = Clock::now();
    painter_.Paint(cr_, front, tooltip, paint::kScreenWidth, paint::kScreenHeight);
    painting += Clock::now() - start;
  }

  Clock::duration painting{};

 private:
  paint::FormPainter painter_;
  cairo_surface_t* surface_ =
      cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kScale * paint::kScreenWidth, kScale * paint::kScreenHeight);
  cairo_t* cr_ = cairo_create(surface_);
};

long ResidentKiB() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE) / 1024;
}

// One visit: the zoom, the screenshot, "Quil Menu".
void Visit(rt::Application& app, test::Driver& driver, int tile) {
  rt::Form& menu = app.FormNamed(home::design::kFormName);
  menu.Get<rt::Image>(home::design::TilePictureName(tile)).Click();
  while (app.Front() == &menu) driver.Advance(16);
  driver.Advance(200);
  driver.MoveTo(11000, 6000);
  driver.Click("Label5");
  driver.Advance(1500);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: quil-own-channels CHANNELS_FILE [visits]\n");
    return 2;
  }
  try {
    const int visits = argc > 2 ? std::atoi(argv[2]) : 200;
    const app::ChannelsFile file = app::ReadChannelsFile(argv[1], app::HomeFolder());
    const app::OwnChannelSetting setting{app::MediaHome(), [](const std::string& line) {
                                           std::fprintf(stderr, "quil-own-channels: %s\n", line.c_str());
                                         }, nullptr};
    PaintingPlatform platform;
    test::FakeMultimedia media;
    rt::Application app(platform);
    test::Driver driver(app, platform);
    app::RegisterForms(app, media);
    app.Start(home::design::kFormName);
    app::AddOwnChannels(app, media, file.own, setting);
    driver.Advance(1500);
    driver.Click("Image1");
    driver.Advance(2500);

    // Page 2 holds twelve own tiles: every picture on it is decoded and
    // filtered in the frames that bring it in. What the first scroll there
    // costs more than a later one is what showing them the first time costs.
    const auto scroll = [&](const char* arrow) {
      platform.painting = {};
      driver.Click(arrow);
      driver.Advance(1000);
      return std::chrono::duration<double, std::milli>(platform.painting).count();
    };
    const double first = scroll("ImageAR");
    scroll("ImageAL");
    const double firstPage = first - scroll("ImageAR");
    for (const char* arrow : {"ImageAR", "ImageAR", "ImageAL", "ImageAL", "ImageAL"}) scroll(arrow);
    // Page 1's own tiles, one screen after another.
    std::vector<int> tiles;
    for (const catalogue::OwnChannel& channel : file.own)
      if (channel.tile && channel.tile <= 12) tiles.push_back(channel.tile);
    if (tiles.empty()) throw std::runtime_error("no own channel on page 1");
    for (int visit = 0; visit < 10; ++visit) Visit(app, driver, tiles[static_cast<std::size_t>(visit) % tiles.size()]);
    const long visited = ResidentKiB();
    for (int visit = 0; visit < visits; ++visit) Visit(app, driver, tiles[static_cast<std::size_t>(visit) % tiles.size()]);
    std::printf("%.1f %ld %ld %d\n", firstPage, visited, ResidentKiB(), visits);
    return 0;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quil-own-channels: %s\n", error.what());
    return 2;
  }
}
