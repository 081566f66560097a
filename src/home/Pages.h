#pragma once

#include "audio/SoundEffect.h"
#include "home/HoverSound.h"
#include "home/Tiles.h"
#include "runtime/PictureBox.h"
#include "runtime/Shape.h"
#include "runtime/Timer.h"

namespace quil::home {

// The menu's four pages of tiles and the arrows that turn them. The arrows bob
// sideways while the menu is up; a click turns the page: the click sound, the
// new page, the arrows that page allows, then the scroll, which slides the
// leaving page off the screen a step per tick, then the arriving page in until
// it is close to its place, and a last tick sets it exactly on the grid.
class Pages {
 public:
  struct Controls {
    rt::PictureBox& next;
    rt::PictureBox& previous;
    rt::Shape& firstPageMarker;  // hidden, it travels with page 1
    rt::Timer& swing;
    rt::Timer& scroll;
  };

  Pages(const Controls& controls, Tiles& tiles, HoverSound& hover, audio::SoundEffect& sound);
  Pages(const Pages&) = delete;
  Pages& operator=(const Pages&) = delete;

  // The load: page 1 on screen, and the frames of pages 3 and 4 onto the
  // columns of page 2, where the scroll starts them from.
  void Reset();
  // The reveal: the marker and the next-page arrow come up and start to swing;
  // the previous-page arrow waits in its place until a later page shows it.
  void ShowArrows();
  void ShowMarker() { controls_.firstPageMarker.SetVisible(true); }
  // What P and M do: the click of the arrow they name, if it is shown.
  void TurnForward();
  void TurnBack();

  // The page on screen, or being scrolled to: 1 to 4.
  int Page() const { return page_; }
  // The last change to page 2 or 3 went forward.
  bool WentForward() const { return forward_; }
  bool Scrolling() const { return controls_.scroll.Enabled(); }

 private:
  void OnSwingTick();
  void OnNextClicked();
  void OnPreviousClicked();
  void Turn(int step);
  void OnScrollTick();
  void MovePage(int page, double step);

  Controls controls_;
  Tiles& tiles_;
  HoverSound& hover_;
  audio::SoundEffect& sound_;
  int page_ = geometry::kFirstPage;
  bool forward_ = false;
  bool arriving_ = false;  // the leaving page is out and the arriving one slides in
  bool swingingBack_ = false;
};

}  // namespace quil::home
