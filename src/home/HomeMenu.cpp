#include "home/HomeMenu.h"

#include <cmath>
#include <utility>

#include "catalogue/Catalogue.h"
#include "pictures/Pictures.h"
#include "runtime/InputEvent.h"
#include "runtime/Str.h"

namespace quil::home {
namespace {

constexpr const char* kRequiredResolution = " 800 x 600";

// Virtual-key codes: the letters, and the digits of the main keyboard (the
// numeric pad's digits have codes of their own and do nothing here).
constexpr int kKeyP = 'P';
constexpr int kKeyM = 'M';
constexpr int kKey1 = '1';
constexpr int kKey2 = '2';

}  // namespace

HomeMenu::HomeMenu(rt::Application& app, audio::Multimedia& media, Zoom::ChannelOpener openChannel)
    : Form(app, std::string(design::kFormName)),
      controls_(design::Build(*this)),
      sound_(media, [&app] { return app.Path(); }),
      player_(media),
      music_(player_, [&app] { return app.Path(); }, controls_.menuTrackDelay, controls_.trackChange,
             controls_.broadcastSilence),
      hover_(sound_, controls_.pages.scroll),
      intro_(controls_.intro, sound_),
      tiles_(controls_.tiles, hover_),
      pages_(controls_.pages, tiles_, hover_, sound_),
      zoom_(controls_.zoom, std::move(openChannel)),
      tileClicks_(tiles_, {hover_, music_, zoom_}, app, sound_, player_),
      bar_(controls_.bar, app, sound_, hover_),
      panel_(controls_.panel, music_, sound_),
      reveal_(controls_.reveal, {intro_, pages_, tiles_, bar_, music_, hover_}, *this, sound_) {
  SetCaption(catalogue::kProgramName);
  SetBackColor(design::kMenuBackground);
  SetWidth(52995);
  SetHeight(8925);
  SetIcon({pictures::Picture("AppIcon48"), pictures::Picture("AppIcon32"), pictures::Picture("AppIcon24"),
           pictures::Picture("AppIcon16")});
  SetMouseIcon(pictures::Picture("PointerHand"));

  OnLoad([this] { OnLoaded(); });
  OnClick([this] { reveal_.OnIntroClicked(); });
  controls_.intro.warning.OnClick([this] { reveal_.OnIntroClicked(); });
  OnMouseMove([this] {
    // While the jingle that follows the intro click runs, the background only holds the hover sound back.
    if (intro_.JingleRunning())
      hover_.HoldBack();
    else
      OnPointerOverResetSurface(true);
  });
  controls_.line.OnMouseMove([this] { OnPointerOverResetSurface(true); });
  for (rt::Image* picture : controls_.barPictures) picture->OnMouseMove([this] { OnPointerOverResetSurface(false); });
  for (rt::PictureBox* arrow : {&controls_.pages.next, &controls_.pages.previous})
    arrow->OnKeyUp([this](int keyCode, int /*shift*/) { OnKeyReleased(keyCode); });
}

void HomeMenu::SeatOwnChannels(const std::vector<OwnTile>& own) {
  for (const OwnTile& channel : own) {
    tiles_.Seat(channel);
    tileClicks_.Seat(tiles_, channel);
  }
}

void HomeMenu::OnLoaded() {
  if (!ResolutionAccepted()) {
    App().MsgBox("Switch your resolution to 800x600 before running this program.", rt::MessageBoxStyle::Information,
                 "Sorry");
    App().End();
  }
  pages_.Reset();
  SetWidth(13100);
  music_.SetTrackNumber(kFirstTrack);
  zoom_.Reset();
  reveal_.Darken(App().Today());
  intro_.Begin();
}

// The check compares pixels, whatever the twips per pixel, and goes through the
// hidden label's caption as the text it is.
bool HomeMenu::ResolutionAccepted() {
  const rt::ScreenMetrics screen = App().Screen();
  const long width = std::lround(screen.widthTwips) / std::lround(screen.twipsPerPixelX);
  const long height = std::lround(screen.heightTwips) / std::lround(screen.twipsPerPixelY);
  controls_.resolution.SetCaption(rt::Str(width) + " x" + rt::Str(height));
  return controls_.resolution.Caption() == kRequiredResolution;
}

// The keys reach the menu only through whichever page arrow holds the focus.
// They act when released, whatever Shift, Ctrl or Alt are held.
void HomeMenu::OnKeyReleased(int keyCode) {
  switch (keyCode) {
    case rt::kKeyEscape: App().End(); break;
    case kKeyP: pages_.TurnForward(); break;
    case kKeyM: pages_.TurnBack(); break;
    case kKey1: panel_.Raise(); break;
    case kKey2: panel_.Lower(); break;
    default: break;
  }
}

void HomeMenu::OnPointerOverResetSurface(bool resetsOutlines) {
  if (resetsOutlines) tiles_.ResetOutlines(pages_.Page());
  hover_.ReArm();
  if (bar_.Shown()) music_.RestoreMenuMusic();
}

void HomeMenu::ReturnFromChannel() {
  music_.PlayMenuTrackSoon();
  Show();
}

}  // namespace quil::home
