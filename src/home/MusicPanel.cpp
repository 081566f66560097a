#include "home/MusicPanel.h"

#include "catalogue/Colours.h"
#include "catalogue/Sounds.h"
#include "home/Playlist.h"

namespace quil::home {
namespace {

// Tops of the frame in twips. The panel starts at 10000, below the 9000-twip
// screen, and travels 50 twips a tick. A slide stops on the tick that finds the
// panel past its bound, after one last step: open it rests at 7850, closed at 10050.
constexpr double kSlideStep = 50;
constexpr double kRaisedBound = 7920;  // also where the raise key is refused
constexpr double kLoweredBound = 10000;
// The lower key is refused from here down, so it does nothing at the start.
constexpr double kLowerRefusedFrom = 9990;

}  // namespace

MusicPanel::MusicPanel(const Controls& controls, MenuMusic& music, audio::SoundEffect& sound)
    : controls_(controls), music_(music), sound_(sound) {
  controls_.raise.OnTimer([this] { OnRaiseTick(); });
  controls_.lower.OnTimer([this] { OnLowerTick(); });
  controls_.back.OnClick([this] { StepTrack(-1); });
  controls_.next.OnClick([this] { StepTrack(+1); });
  controls_.back.OnMouseMove([this] { OnPointerOverSymbol(controls_.back); });
  controls_.next.OnMouseMove([this] { OnPointerOverSymbol(controls_.next); });
  controls_.frame.OnMouseMove([this] { OnPointerOverPanel(); });
}

// The later key takes over: starting one slide stops the other, so the panel
// turns round from where it is instead of the two slides cancelling out.
void MusicPanel::Raise() {
  if (controls_.frame.Top() <= kRaisedBound) return;
  sound_.Play(catalogue::sounds::kMusicPanelRaise);
  controls_.lower.SetEnabled(false);
  controls_.raise.SetEnabled(true);
}

void MusicPanel::Lower() {
  if (controls_.frame.Top() >= kLowerRefusedFrom) return;
  sound_.Play(catalogue::sounds::kMusicPanelLower);
  controls_.raise.SetEnabled(false);
  controls_.lower.SetEnabled(true);
}

// Each slide moves on the tick that finds it at its bound too, and only then stops.
void MusicPanel::OnRaiseTick() {
  rt::Frame& frame = controls_.frame;
  if (frame.Top() <= kRaisedBound) controls_.raise.SetEnabled(false);
  frame.SetTop(frame.Top() - kSlideStep);
}

void MusicPanel::OnLowerTick() {
  rt::Frame& frame = controls_.frame;
  if (frame.Top() >= kLoweredBound) controls_.lower.SetEnabled(false);
  frame.SetTop(frame.Top() + kSlideStep);
}

// The playlist does not wrap; the new track is heard when the change timer fires.
void MusicPanel::StepTrack(int step) {
  const int current = music_.TrackNumber();
  if (!TrackAt(current) || !TrackAt(current + step)) return;
  music_.SetTrackNumber(current + step);
  music_.ChangeTrackSoon();
}

void MusicPanel::OnPointerOverSymbol(rt::Label& symbol) { symbol.SetForeColor(rt::kSysButtonText); }

void MusicPanel::OnPointerOverPanel() {
  controls_.back.SetForeColor(catalogue::colours::kCaptionGrey);
  controls_.next.SetForeColor(catalogue::colours::kCaptionGrey);
}

}  // namespace quil::home
