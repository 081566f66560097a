#pragma once

#include <vector>

#include "audio/Mp3Player.h"
#include "audio/Multimedia.h"
#include "audio/SoundEffect.h"
#include "home/BottomBar.h"
#include "home/HoverSound.h"
#include "home/Intro.h"
#include "home/MenuDesign.h"
#include "home/MenuMusic.h"
#include "home/MusicPanel.h"
#include "home/OwnTile.h"
#include "home/Pages.h"
#include "home/Reveal.h"
#include "home/TileClicks.h"
#include "home/Tiles.h"
#include "home/Zoom.h"
#include "runtime/Application.h"
#include "runtime/Form.h"

namespace quil::home {

// The home menu: the startup form, alive for the whole run. It builds its
// design (MenuDesign) and wires its parts to each other and to the form's own
// events; each part keeps its own state.
class HomeMenu : public rt::Form {
 public:
  HomeMenu(rt::Application& app, audio::Multimedia& media, Zoom::ChannelOpener openChannel);

  // The way back from a channel screen: the menu's own music comes back a
  // moment after the menu does.
  void ReturnFromChannel();
  // Puts the user's own channels on their tiles.
  void SeatOwnChannels(const std::vector<OwnTile>& own);
  // What a controller's shoulder buttons click.
  const rt::Control& NextPageArrow() const { return controls_.pages.next; }
  const rt::Control& PreviousPageArrow() const { return controls_.pages.previous; }

  const Intro& IntroPart() const { return intro_; }
  const Reveal& RevealPart() const { return reveal_; }
  const Tiles& TilesPart() const { return tiles_; }
  const Pages& PagesPart() const { return pages_; }
  const Zoom& ZoomPart() const { return zoom_; }
  const HoverSound& Hover() const { return hover_; }
  const MenuMusic& Music() const { return music_; }
  const audio::Mp3Player& Player() const { return player_; }

 private:
  void OnLoaded();
  bool ResolutionAccepted();
  void OnKeyReleased(int keyCode);
  // The background, the bar's top edge and the bar's pictures re-arm the
  // hover sound and watch that the menu's own music is playing; the background
  // and the edge put the tiles' outlines back too.
  void OnPointerOverResetSurface(bool resetsOutlines);

  design::MenuControls controls_;
  audio::SoundEffect sound_;
  audio::Mp3Player player_;
  MenuMusic music_;
  HoverSound hover_;
  Intro intro_;
  Tiles tiles_;
  Pages pages_;
  Zoom zoom_;
  TileClicks tileClicks_;
  BottomBar bar_;
  MusicPanel panel_;
  Reveal reveal_;
};

}  // namespace quil::home
