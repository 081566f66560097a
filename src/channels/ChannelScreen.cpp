#include "channels/ChannelScreen.h"

#include "pictures/Pictures.h"
#include "channels/ChannelDesign.h"
#include "runtime/Image.h"
#include "runtime/Label.h"

namespace quil::channels {

ChannelScreen::Designed::Designed(rt::Form& form, const catalogue::ChannelRow& row) { design::Build(form, row); }

ChannelScreen::ChannelScreen(rt::Application& app, audio::Multimedia& media, const catalogue::ChannelRow& row,
                             UserGames* games)
    : Form(app, row.form), row_(row), designed_(*this, row), sound_(media, [&app] { return app.Path(); }) {
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
  TimerNamed("Timer1").OnTimer([this] { Timer1_Timer(); });
  TimerNamed("Timer2").OnTimer([this] { Timer2_Timer(); });
  TimerNamed("Timer3").OnTimer([this] { Timer3_Timer(); });
  TimerNamed("TimerStart").OnTimer([this] { TimerStart_Timer(); });

  // The caption over each button acts exactly like the button's picture.
  Get<rt::Image>("Image1").OnClick([this] { Image1_Click(); });
  Get<rt::Label>("Label5").OnClick([this] { Label5_Click(); });
  Get<rt::Image>("Image2").OnClick([this] { Image2_Click(); });
  Get<rt::Label>("Label6").OnClick([this] { Label6_Click(); });
  for (const char* button : {"Image1", "Image2"})
    Get<rt::Image>(button).OnMouseMove([this] { ButtonPicture_MouseMove(); });
}

void ChannelScreen::SetPageVisible(bool visible) {
  for (std::string_view name : design::PageControls(row_.style)) Find(name)->SetVisible(visible);
}

}  // namespace quil::channels
