#pragma once

#include "audio/SoundEffect.h"
#include "home/HoverSound.h"
#include "runtime/Application.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Shape.h"

namespace quil::home {

// The bar under the tiles: two round buttons that answer a click with a joke
// message box, and the exit button. Over each round button a transparent hot
// spot plays the hover sound and takes the click; the face in front of it takes
// the click without the sound.
class BottomBar {
 public:
  struct RoundButton {
    rt::Label& hotSpot;
    rt::Image& face;
    rt::Shape& ring;
    rt::Shape& disc;
    rt::Image& curve;  // the bar's curve under the button
  };
  struct Controls {
    RoundButton options;
    RoundButton messageBoard;
    rt::Image& exit;
  };

  BottomBar(const Controls& controls, rt::Application& app, audio::SoundEffect& sound, HoverSound& hover);
  BottomBar(const BottomBar&) = delete;
  BottomBar& operator=(const BottomBar&) = delete;

  void Show();
  // The exit button is up, so the menu is.
  bool Shown() const { return controls_.exit.Visible(); }

 private:
  void OnOptionsClicked();
  void OnMessageBoardClicked();
  void OnExitClicked();

  Controls controls_;
  rt::Application& app_;
  audio::SoundEffect& sound_;
  HoverSound& hover_;
};

}  // namespace quil::home
