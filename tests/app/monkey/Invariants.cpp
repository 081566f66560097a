#include "Invariants.h"

#include <algorithm>
#include <cmath>
#include <sstream>
#include <vector>

#include "home/HomeMenu.h"
#include "home/MenuDesign.h"
#include "runtime/Frame.h"
#include "runtime/Timer.h"

namespace quil::test {
namespace {

namespace design = home::design;

constexpr double kPageWidth = 13200;
constexpr double kScreenWidth = 12000;
constexpr double kSlack = 0.5;

// Where the page scroll puts a tile picture on its frame.
double SnappedOffset(int tile) {
  switch (tile) {
    case 14: return 25;
    case 26: return 160;
    default: return 120;
  }
}

// The frame's Left on screen, whichever page it belongs to.
double GridLeft(int tile) { return design::TileFrame(tile).left - kPageWidth * (home::geometry::PageOf(tile) - 1); }

const rt::Timer* FindTimer(const rt::Form& form, std::string_view name) {
  for (const auto& timer : form.Timers())
    if (timer->Name() == name) return timer.get();
  return nullptr;
}

std::string List(const std::vector<double>& values) {
  std::ostringstream text;
  for (double value : values) text << ' ' << value;
  return text.str();
}

bool OffScreen(const rt::Control& control) {
  return control.Left() >= kScreenWidth || control.Left() + control.Width() <= 0;
}

}  // namespace

void Invariants::Check() {
  ++checks_;
  CheckForms();
  auto* menu = dynamic_cast<const home::HomeMenu*>(app_.Instance("Form1"));
  if (menu && menu->Loaded()) CheckHomeMenu(*menu);
  // Noting what is on offer is the costly part, and a sample of the moments finds it all the same.
  if (const rt::Form* front = app_.Front(); front && checks_ % 4 == 0) NoteOffered(*front);
}

void Invariants::CheckForms() {
  const auto& shown = app_.ShownForms();
  if (!app_.Instance("Form1") || std::ranges::find(shown, app_.Instance("Form1")) == shown.end())
    throw InvariantBroken("the home menu always exists", "Form1 is not a shown, live form");
  int channelScreens = 0;
  for (const rt::Form* form : shown) {
    if (!Live(*form)) throw InvariantBroken("only live forms are shown", form->Name() + " is shown after its unload");
    if (std::ranges::count(shown, form) != 1)
      throw InvariantBroken("one instance of each screen", form->Name() + " is shown twice");
    channelScreens += form->Name() != "Form1";
  }
  if (channelScreens > 1)
    throw InvariantBroken("at most one channel screen at a time", std::to_string(channelScreens) + " are shown");
  coverage_.frontForms.insert(app_.Front()->Name());
}

void Invariants::FindTiles(const home::HomeMenu& menu) {
  tilesOf_ = &menu;
  for (int tile = 1; tile <= home::geometry::kTileCount; ++tile) {
    const double page = (home::geometry::PageOf(tile) - 1);
    tiles_[static_cast<std::size_t>(tile - 1)] = TilePlaces{
        menu.Find(design::TileFrameName(tile)),
        menu.Find(design::TilePictureName(tile)),
        GridLeft(tile),
        design::Tile(tile).picture.left - kPageWidth * page,
        GridLeft(tile) + SnappedOffset(tile),
        design::TileFrame(tile).top,
        design::Tile(tile).picture.top,
    };
  }
  marker_ = menu.Find("ShapeHC");
  panel_ = menu.Find("Frame1");
  scroll_ = FindTimer(menu, "TimerPage");
}

void Invariants::CheckHomeMenu(const home::HomeMenu& menu) {
  if (tilesOf_ != &menu) FindTiles(menu);
  const int page = menu.PagesPart().Page();
  if (page < 1 || page > 4) throw InvariantBroken("the page is 1 to 4", "it is " + std::to_string(page));
  if (menu.ZoomPart().ScreenCode() < 1 || menu.ZoomPart().ScreenCode() > 36)
    throw InvariantBroken("ScreenCode is 1 to 36", "it is " + std::to_string(menu.ZoomPart().ScreenCode()));
  const double panelTop = panel_->Top();
  if (panelTop < 7850 || panelTop > 10050)
    throw InvariantBroken("the music panel's Top stays from 7850 to 10050", "it is " + std::to_string(panelTop));
  coverage_.panelLowest = std::min(coverage_.panelLowest, panelTop);
  coverage_.panelHighest = std::max(coverage_.panelHighest, panelTop);
  if (!scroll_ || !scroll_->Enabled()) CheckPagesAtRest(menu);
}

// Between scrolls every page lies in one piece: its frames on the grid shifted
// alike, its pictures shifted alike from where the design or the last snap put
// them, the page on screen exactly in place and the others wholly off screen.
void Invariants::CheckPagesAtRest(const home::HomeMenu& menu) {
  constexpr int kPerPage = home::geometry::kTilesPerPage;
  for (int page = 0; page < 4; ++page) {
    const auto first = tiles_.begin() + page * kPerPage;
    const double frameShift = first->frame->Left() - first->gridLeft;
    const double designShift = first->picture->Left() - first->designLeft;
    const double snapShift = first->picture->Left() - first->snappedLeft;
    bool framesAlike = true, designAlike = true, snapAlike = true, offScreen = true;
    for (auto tile = first; tile != first + kPerPage; ++tile) {
      framesAlike &= std::abs(tile->frame->Left() - tile->gridLeft - frameShift) <= kSlack;
      designAlike &= std::abs(tile->picture->Left() - tile->designLeft - designShift) <= kSlack;
      snapAlike &= std::abs(tile->picture->Left() - tile->snappedLeft - snapShift) <= kSlack;
      offScreen &= OffScreen(*tile->frame) && OffScreen(*tile->picture);
      if (tile->frame->Top() != tile->frameTop || tile->picture->Top() != tile->pictureTop)
        throw InvariantBroken("page groups keep their shape between scrolls",
                              "a tile of page " + std::to_string(page + 1) + " moved up or down");
    }
    const std::string where = "page " + std::to_string(page + 1) + " at rest on page " +
                              std::to_string(menu.PagesPart().Page()) + ": ";
    if (!framesAlike || !(designAlike || snapAlike)) {
      std::vector<double> frames, pictures;
      for (auto tile = first; tile != first + kPerPage; ++tile) {
        frames.push_back(tile->frame->Left() - tile->gridLeft);
        pictures.push_back(tile->picture->Left() - tile->designLeft);
      }
      throw InvariantBroken("page groups keep their shape between scrolls",
                            where + "frame shifts" + List(frames) + ", picture shifts" + List(pictures));
    }
    const double pictureShift = designAlike ? designShift : snapShift;
    if (page == 0) {
      if (std::abs(marker_->Left() - (870 + frameShift)) > kSlack)
        throw InvariantBroken("page groups keep their shape between scrolls", where + "ShapeHC left its page");
      offScreen &= OffScreen(*marker_);
    }
    if (page + 1 == menu.PagesPart().Page()) {
      if (std::abs(frameShift) > kSlack || std::abs(pictureShift) > kSlack)
        throw InvariantBroken("the page on screen is in place", where + "frames off by " + std::to_string(frameShift) +
                                                                    ", pictures by " + std::to_string(pictureShift));
    } else if (!offScreen) {
      throw InvariantBroken("pages off screen are wholly off screen", where + "a tile shows");
    }
  }
  coverage_.pages.insert(menu.PagesPart().Page());
}

void Invariants::NoteOffered(const rt::Form& front) {
  for (const auto& control : front.Controls()) {
    if (!control->Shown() || !control->TakesPointer()) continue;
    const rt::Rect bounds = control->FormBounds();
    if (bounds.Right() <= 0 || bounds.left >= kScreenWidth || bounds.Bottom() <= 0 || bounds.top >= 9000) continue;
    coverage_.offered.insert(front.Name() + "." + control->Name());
  }
}

void Invariants::BeforeInput(const rt::Form& form, const rt::Control* control, Input input) {
  const std::string target = control ? form.Name() + "." + control->Name() : form.Name();
  if (&form != app_.Front())
    throw InvariantBroken("only the front form takes input", target + " took input behind " + app_.Front()->Name());
  if (app_.MessageBoxOpen())
    throw InvariantBroken("only the front form takes input", target + " took input while a message box was open");
  if (input == Input::Click) coverage_.clicked.insert(target);
}

void Invariants::BeforeTick(const rt::Timer& timer) {
  const rt::Form& form = timer.Owner();
  if (!Live(form) || !form.Loaded())
    throw InvariantBroken("no timer ticks while its form is unloaded", form.Name() + "." + timer.Name());
}

}  // namespace quil::test
