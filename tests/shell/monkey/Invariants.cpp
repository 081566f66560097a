#include "Invariants.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <sstream>
#include <vector>

#include "home/Form1.h"
#include "home/Form1Design.h"
#include "shell/runtime/Frame.h"
#include "shell/runtime/Timer.h"

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
double GridLeft(int tile) { return design::TileFrame(tile).left - kPageWidth * design::TilePage(tile); }

const rt::Timer* FindTimer(const rt::Form& form, std::string_view name) {
  for (const auto& timer : form.Timers())
    if (timer->Name() == name) return timer.get();
  return nullptr;
}

// One shift for every value, if there is one.
std::optional<double> CommonShift(const std::vector<double>& shifts) {
  for (double shift : shifts)
    if (std::abs(shift - shifts.front()) > kSlack) return std::nullopt;
  return shifts.front();
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
  auto* menu = dynamic_cast<const home::Form1*>(app_.Instance("Form1"));
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

void Invariants::CheckHomeMenu(const home::Form1& menu) {
  if (menu.CurrentPage < 0 || menu.CurrentPage > 3)
    throw InvariantBroken("CurrentPage is 0 to 3", "it is " + std::to_string(menu.CurrentPage));
  if (menu.ScreenCode < 1 || menu.ScreenCode > 36)
    throw InvariantBroken("ScreenCode is 1 to 36", "it is " + std::to_string(menu.ScreenCode));
  const double panelTop = menu.Get<rt::Frame>("Frame1").Top();
  if (panelTop < 7850 || panelTop > 10050)
    throw InvariantBroken("the music panel's Top stays from 7850 to 10050", "it is " + std::to_string(panelTop));
  coverage_.panelLowest = std::min(coverage_.panelLowest, panelTop);
  coverage_.panelHighest = std::max(coverage_.panelHighest, panelTop);
  const rt::Timer* scroll = FindTimer(menu, "TimerPage");
  if (!scroll || !scroll->Enabled()) CheckPagesAtRest(menu);
}

// Between scrolls every page lies in one piece: its frames on the grid shifted
// alike, its pictures shifted alike from where the design or the last snap put
// them, the page on screen exactly in place and the others wholly off screen.
void Invariants::CheckPagesAtRest(const home::Form1& menu) {
  for (int page = 0; page < 4; ++page) {
    std::vector<double> frameShifts, designShifts, snapShifts;
    std::vector<const rt::Control*> controls;
    for (int tile = page * design::kTilesPerPage + 1; tile <= (page + 1) * design::kTilesPerPage; ++tile) {
      const rt::Control& frame = *menu.Find(design::TileFrameName(tile));
      const rt::Control& picture = *menu.Find(design::TilePictureName(tile));
      frameShifts.push_back(frame.Left() - GridLeft(tile));
      designShifts.push_back(picture.Left() - (design::Tile(tile).picture.left - kPageWidth * page));
      snapShifts.push_back(picture.Left() - (GridLeft(tile) + SnappedOffset(tile)));
      if (frame.Top() != design::TileFrame(tile).top || picture.Top() != design::Tile(tile).picture.top)
        throw InvariantBroken("page groups keep their shape between scrolls", "a tile of page " +
                                                                                  std::to_string(page + 1) +
                                                                                  " moved up or down");
      controls.push_back(&frame);
      controls.push_back(&picture);
    }
    const std::string where = "page " + std::to_string(page + 1) + " at rest on page " +
                              std::to_string(menu.CurrentPage + 1) + ": ";
    const auto frames = CommonShift(frameShifts);
    auto pictures = CommonShift(designShifts);
    if (!pictures) pictures = CommonShift(snapShifts);
    if (!frames || !pictures)
      throw InvariantBroken("page groups keep their shape between scrolls",
                            where + "frame shifts" + List(frameShifts) + ", picture shifts" + List(designShifts));
    if (page == 0) {
      const rt::Control& marker = *menu.Find("ShapeHC");
      if (std::abs(marker.Left() - (870 + *frames)) > kSlack)
        throw InvariantBroken("page groups keep their shape between scrolls", where + "ShapeHC left its page");
      controls.push_back(&marker);
    }
    if (page == menu.CurrentPage) {
      if (std::abs(*frames) > kSlack || std::abs(*pictures) > kSlack)
        throw InvariantBroken("the page on screen is in place",
                              where + "frames off by " + std::to_string(*frames) + ", pictures by " +
                                  std::to_string(*pictures));
    } else if (!std::ranges::all_of(controls, [](const rt::Control* control) { return OffScreen(*control); })) {
      throw InvariantBroken("pages off screen are wholly off screen", where + "a tile shows");
    }
  }
  coverage_.pages.insert(menu.CurrentPage);
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
