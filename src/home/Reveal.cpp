#include "home/Reveal.h"

#include "catalogue/Sounds.h"
#include "home/DateCaption.h"
#include "home/MenuDesign.h"
#include "home/MenuGeometry.h"

namespace quil::home {

Reveal::Reveal(const Controls& controls, const Parts& parts, rt::Form& form, audio::SoundEffect& sound)
    : controls_(controls), parts_(parts), form_(form), sound_(sound) {}

void Reveal::Darken(const rt::CalendarDate& today) {
  controls_.date.SetCaption(WeekdayName(today.weekday) + " " + MonthAndDay(today));
  form_.SetBackColor(design::kIntroBackground);
  form_.SetMouseIcon(controls_.blankPointer.MouseIcon());
}

void Reveal::OnIntroClicked() {
  if (!parts_.intro.WarningShown() || menuShown_) return;
  parts_.intro.End();
  form_.SetBackColor(design::kMenuBackground);
  form_.SetMouseIcon(controls_.handPointer.MouseIcon());
  parts_.hover.HoldBack();
  sound_.Play(catalogue::sounds::kClick);
  parts_.intro.AwaitJingle();
  ShowMenu();
  menuShown_ = true;
}

void Reveal::ShowMenu() {
  controls_.line.SetVisible(true);
  controls_.greyBar.SetVisible(true);
  controls_.date.SetLeft(geometry::kDateLeft);
  controls_.date.SetTop(geometry::kDateTop);
  controls_.date.SetVisible(true);
  parts_.pages.ShowArrows();
  controls_.caption.SetVisible(true);
  parts_.tiles.ShowFirstPage();
  parts_.pages.ShowMarker();
  parts_.bar.Show();
  parts_.music.PlayMenuTrackSoon();
}

}  // namespace quil::home
