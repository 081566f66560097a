#pragma once

#include <array>
#include <stdexcept>
#include <string>

#include "Coverage.h"
#include "runtime/Application.h"

namespace quil::home {
class HomeMenu;
}

namespace quil::test {

// A rule of the running program that was found broken.
class InvariantBroken : public std::runtime_error {
 public:
  InvariantBroken(std::string rule, const std::string& detail)
      : std::runtime_error(rule + ": " + detail), rule_(std::move(rule)) {}
  const std::string& Rule() const { return rule_; }

 private:
  std::string rule_;
};

// What must hold in the running program after every event and tick, whatever a
// person did: the forms that exist and take input, the home menu's page, panel
// and screen code in their ranges, the pages in one piece at rest, no tick of
// a form that is gone. Watching the runtime, it also fills in the coverage.
class Invariants : public rt::Observer {
 public:
  Invariants(const rt::Application& app, Coverage& coverage) : app_(app), coverage_(coverage) {}

  // Throws InvariantBroken naming the first rule that does not hold.
  void Check();

  void BeforeInput(const rt::Form& form, const rt::Control* control, Input input) override;
  void BeforeTick(const rt::Timer& timer) override;

 private:
  void CheckForms();
  void CheckHomeMenu(const home::HomeMenu& menu);
  void CheckPagesAtRest(const home::HomeMenu& menu);
  void NoteOffered(const rt::Form& front);
  // The form is the one instance the application holds under its name.
  bool Live(const rt::Form& form) const { return app_.Instance(form.Name()) == &form; }

  // The home menu's tiles with where the design and the page scroll put them.
  struct TilePlaces {
    const rt::Control* frame;
    const rt::Control* picture;
    double gridLeft;         // the frame on screen
    double designLeft;       // the picture by the design, brought onto the screen
    double snappedLeft;      // the picture where the page scroll snaps it
    double frameTop;
    double pictureTop;
  };
  void FindTiles(const home::HomeMenu& menu);

  const rt::Application& app_;
  Coverage& coverage_;
  long checks_ = 0;
  const home::HomeMenu* tilesOf_ = nullptr;
  std::array<TilePlaces, 48> tiles_{};
  const rt::Control* marker_ = nullptr;
  const rt::Control* panel_ = nullptr;
  const rt::Timer* scroll_ = nullptr;
};

}  // namespace quil::test
