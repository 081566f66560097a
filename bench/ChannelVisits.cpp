// Visits the channel screens again and again, headless on a virtual clock but
// painting every frame as the window would, at the scale given (1 unless
// told), and reports the resident memory after a tour of every page and 10
// visits, and after all of them. Each visit creates its screen afresh and
// unloads it again, so the second figure must stay within 1 MB of the first.
// Exits non-zero when it does not.
//
//   build/bench/quil-channel-visits [visits [scale]]

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <fstream>

#include "catalogue/Catalogue.h"
#include "home/MenuDesign.h"
#include "app/Program.h"
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "paint/Canvas.h"
#include "paint/ScreenPainter.h"
#include "paint/ScreenSize.h"
#include "support/Driver.h"
#include "support/FakeMultimedia.h"
#include "support/FakePlatform.h"

namespace {

using namespace quil;

// The virtual clock of the tests, with every presented frame painted.
class PaintingPlatform : public test::FakePlatform {
 public:
  explicit PaintingPlatform(double scale) : screen_(paint::kScreenWidth, paint::kScreenHeight, scale) {}

  void Present(const rt::Form& front, const rt::Tooltip& tooltip) override {
    FakePlatform::Present(front, tooltip);
    screen_.Update(front, tooltip);
  }

 private:
  paint::ScreenPainter screen_;
};

long ResidentKiB() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * sysconf(_SC_PAGESIZE) / 1024;
}

// One visit: the zoom, the title, "Start" and the page's return, "Quil Menu".
void Visit(rt::Application& app, test::Driver& driver, const catalogue::Game& row) {
  rt::Form& menu = app.FormNamed("Form1");
  menu.Get<rt::Image>(home::design::TilePictureName(row.tile)).Click();
  while (app.Front() == &menu) driver.Advance(16);
  driver.Advance(100);
  driver.MoveTo(11000, 6000);
  driver.Click("Label6");
  driver.Advance(2000);
  driver.MoveTo(11000, 6000);
  driver.Click("Label5");
  driver.Advance(1500);
}

// Every page of the menu in turn, and back to the first.
void TourThePages(test::Driver& driver) {
  for (const char* arrow : {"ImageAR", "ImageAR", "ImageAR", "ImageAL", "ImageAL", "ImageAL"}) {
    driver.Click(arrow);
    driver.Advance(1000);
  }
}

}  // namespace

int main(int argc, char** argv) {
  try {
    const int visits = argc > 1 ? std::atoi(argv[1]) : 200;
    const double scale = argc > 2 ? std::atof(argv[2]) : 1;
    PaintingPlatform platform(scale);
    test::FakeMultimedia media;
    rt::Application app(platform);
    test::Driver driver(app, platform);
    app::RegisterForms(app, media);
    app.Start("Form1");
    driver.Advance(1500);
    driver.Click("Image1");
    driver.Advance(2500);

    TourThePages(driver);
    long afterTen = 0;
    for (int visit = 1; visit <= visits; ++visit) {
      Visit(app, driver, catalogue::kGames[static_cast<std::size_t>(visit - 1) % catalogue::kGames.size()]);
      if (visit == 10) afterTen = ResidentKiB();
    }
    const long afterAll = ResidentKiB();
    std::printf("resident memory after every page and 10 visits: %ld KiB, after %d: %ld KiB (%+ld KiB)\n", afterTen,
                visits, afterAll, afterAll - afterTen);
    return afterAll - afterTen <= 1024 ? 0 : 1;
  } catch (const std::exception& error) {
    std::fprintf(stderr, "quil-channel-visits: %s\n", error.what());
    return 2;
  }
}
