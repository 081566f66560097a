#include "channels/ChannelScreen.h"

#include <utility>

#include "pictures/Pictures.h"

namespace quil::channels {

ChannelScreen::ChannelScreen(rt::Application& app, audio::Multimedia& media, ChannelPage shown,
                             MenuReturn returnToMenu, UserGames* games)
    : Form(app, shown.form),
      shown_(std::move(shown)),
      controls_(design::Build(*this, shown_)),
      returnToMenu_(std::move(returnToMenu)),
      sound_(media, [&app] { return app.Path(); }) {
  SetCaption(catalogue::kProgramName);
  SetBackColor(design::kWindowBlack);
  SetWidth(11955);
  SetHeight(9000);
  SetIcon(pictures::Picture("ChannelIcon"));
  SetMouseIcon(pictures::Picture("PointerHand"));

  OnLoad([this] { OnLoaded(); });
  OnMouseMove([this] { OnPointerOverBackground(); });
  controls_.titleDelay.OnTimer([this] { OnTitleDue(); });
  controls_.hoverHoldOff.OnTimer([this] { OnHoverHoldOffOver(); });
  controls_.pointerDelay.OnTimer([this] { OnPointerDue(); });
  controls_.startLockOut.OnTimer([this] { OnLockOutOver(); });
  // The caption over each button acts exactly like the button's picture.
  controls_.menuButton.OnClick([this] { OnMenuClicked(); });
  controls_.menuCaption.OnClick([this] { OnMenuClicked(); });
  controls_.startButton.OnClick([this] { OnStartClicked(); });
  controls_.startCaption.OnClick([this] { OnStartClicked(); });
  for (rt::Image* button : {&controls_.menuButton, &controls_.startButton})
    button->OnMouseMove([this] { OnPointerOverButton(); });
  WireGame(games);
}

void ChannelScreen::SetPageVisible(bool visible) {
  for (rt::Control* control : controls_.page) control->SetVisible(visible);
}

}  // namespace quil::channels
