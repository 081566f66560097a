#pragma once

#include "audio/SoundEffect.h"
#include "home/BottomBar.h"
#include "home/HoverSound.h"
#include "home/Intro.h"
#include "home/MenuMusic.h"
#include "home/Pages.h"
#include "home/Tiles.h"
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Platform.h"

namespace quil::home {

// The menu's screen from black to the menu at rest: black with no pointer
// while the intro runs, then the intro click brings up the background, the
// hand pointer and every part of the menu, and the music follows.
class Reveal {
 public:
  struct Controls {
    rt::Image& line;  // the bar's top edge
    rt::Image& greyBar;
    rt::Label& date;
    rt::Label& caption;  // "Quil Menu"
    // Hidden images that hold the form's two pointer pictures.
    rt::Image& handPointer;
    rt::Image& blankPointer;
  };
  // The parts the reveal brings up.
  struct Parts {
    Intro& intro;
    Pages& pages;
    Tiles& tiles;
    BottomBar& bar;
    MenuMusic& music;
    HoverSound& hover;
  };

  Reveal(const Controls& controls, const Parts& parts, rt::Form& form, audio::SoundEffect& sound);
  Reveal(const Reveal&) = delete;
  Reveal& operator=(const Reveal&) = delete;

  // The load: today's date written, the screen black and the pointer gone.
  void Darken(const rt::CalendarDate& today);
  // The intro click; it counts only while the warning is up.
  void OnIntroClicked();
  bool MenuShown() const { return menuShown_; }

 private:
  void ShowMenu();

  Controls controls_;
  Parts parts_;
  rt::Form& form_;
  audio::SoundEffect& sound_;
  bool menuShown_ = false;
};

}  // namespace quil::home
