#include "channels/ChannelScreen.h"

#include <utility>

#include "pictures/Pictures.h"
#include "channels/ChannelDesign.h"

namespace quil::channels {
namespace {

std::vector<rt::Control*> PageOf(const rt::Form& form, catalogue::Style style) {
  std::vector<rt::Control*> page;
  for (std::string_view name : design::PageControls(style)) page.push_back(&form.Get<rt::Control>(name));
  return page;
}

}  // namespace

ChannelScreen::Designed::Designed(rt::Form& form, const catalogue::Game& row) { design::Build(form, row); }

ChannelScreen::ChannelScreen(rt::Application& app, audio::Multimedia& media, const catalogue::Game& row,
                             MenuReturn returnToMenu, UserGames* games)
    : Form(app, row.form),
      row_(row),
      designed_(*this, row),
      returnToMenu_(std::move(returnToMenu)),
      sound_(media, [&app] { return app.Path(); }),
      Image1(Get<rt::Image>("Image1")),
      Image2(Get<rt::Image>("Image2")),
      Image3(Get<rt::Image>("Image3")),
      Image5(Get<rt::Image>("Image5")),
      Image6(Get<rt::Image>("Image6")),
      Label1(Get<rt::Label>("Label1")),
      Label5(Get<rt::Label>("Label5")),
      Label6(Get<rt::Label>("Label6")),
      Timer1(TimerNamed("Timer1")),
      Timer2(TimerNamed("Timer2")),
      Timer3(TimerNamed("Timer3")),
      TimerStart(TimerNamed("TimerStart")),
      page_(PageOf(*this, row.style)) {
  SetCaption("Quil OS");
  SetBackColor(design::kWindowBlack);
  SetWidth(11955);
  SetHeight(9000);
  SetIcon(pictures::Picture("ChannelIcon"));
  SetMouseIcon(pictures::Picture("PointerHand"));
  WireHandlers();
  WireGame(games);
}

void ChannelScreen::WireHandlers() {
  OnLoad([this] { Form_Load(); });
  OnMouseMove([this] { Form_MouseMove(); });
  Timer1.OnTimer([this] { Timer1_Timer(); });
  Timer2.OnTimer([this] { Timer2_Timer(); });
  Timer3.OnTimer([this] { Timer3_Timer(); });
  TimerStart.OnTimer([this] { TimerStart_Timer(); });

  // The caption over each button acts exactly like the button's picture.
  Image1.OnClick([this] { Image1_Click(); });
  Label5.OnClick([this] { Label5_Click(); });
  Image2.OnClick([this] { Image2_Click(); });
  Label6.OnClick([this] { Label6_Click(); });
  for (rt::Image* button : {&Image1, &Image2}) button->OnMouseMove([this] { ButtonPicture_MouseMove(); });
}

void ChannelScreen::SetPageVisible(bool visible) {
  for (rt::Control* control : page_) control->SetVisible(visible);
}

}  // namespace quil::channels
