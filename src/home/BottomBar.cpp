#include "home/BottomBar.h"

#include "catalogue/Sounds.h"
#include "home/MenuDesign.h"

namespace quil::home {
namespace {

constexpr const char* kOptionsPrompt = "This isn't a real Quil, so there are no Quil Options.";
constexpr const char* kMessageBoard = "lol, e-mail";

}  // namespace

BottomBar::BottomBar(const Controls& controls, rt::Application& app, audio::SoundEffect& sound, HoverSound& hover)
    : controls_(controls), app_(app), sound_(sound), hover_(hover) {
  const auto wire = [this](const RoundButton& button, void (BottomBar::*clicked)()) {
    button.hotSpot.OnClick([this, clicked] { (this->*clicked)(); });
    button.face.OnClick([this, clicked] { (this->*clicked)(); });
    button.hotSpot.OnMouseMove([this] { hover_.Play(); });
  };
  wire(controls_.options, &BottomBar::OnOptionsClicked);
  wire(controls_.messageBoard, &BottomBar::OnMessageBoardClicked);
  controls_.exit.OnClick([this] { OnExitClicked(); });
  controls_.exit.OnMouseMove([this] { hover_.Play(); });
}

void BottomBar::Show() {
  for (const RoundButton* button : {&controls_.options, &controls_.messageBoard}) {
    button->ring.SetVisible(true);
    button->disc.SetVisible(true);
    button->face.SetVisible(true);
    button->curve.SetVisible(true);
    button->hotSpot.SetVisible(true);
  }
  controls_.exit.SetVisible(true);
}

void BottomBar::OnOptionsClicked() {
  app_.MsgBox(kOptionsPrompt, rt::MessageBoxStyle::Information, design::kOptionsName);
}

void BottomBar::OnMessageBoardClicked() {
  sound_.Play(catalogue::sounds::kClick);
  app_.MsgBox(kMessageBoard, rt::MessageBoxStyle::Information, kMessageBoard);
}

void BottomBar::OnExitClicked() {
  sound_.Play(catalogue::sounds::kClick);
  app_.End();
}

}  // namespace quil::home
