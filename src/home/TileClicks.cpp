// Form1: a click on a tile's picture. The built-in channels answer with a joke
// message box; a game plays its sound, stops the music and starts the zoom that
// opens its channel screen.
#include <variant>

#include "audio/Effects.h"
#include "home/Form1.h"
#include "home/Form1Design.h"
#include "runtime/PictureBox.h"

namespace quil::home {
namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};

}  // namespace

void Form1::TileImage_Click(int tile) {
  std::visit(Overloaded{
                 [](const design::NoClick&) {},
                 [this](const design::MessageClick& click) { App().MsgBox(click.prompt, click.style, click.title); },
                 [this](const design::BroadcastClick& click) { OpenBroadcast(click); },
                 [this](const design::GameClick& click) { OpenGame(click); },
             },
             design::ClickOf(tile));
}

// The sound goes on under the box; the music stops only once the box has been
// closed and the weather-music timer has run.
void Form1::OpenBroadcast(const design::BroadcastClick& click) {
  Sound().Play(click.sound);
  App().MsgBox(click.message, rt::MessageBoxStyle::Information, click.message);
  TimerWeatherMusic.SetEnabled(true);
}

// A click during a running zoom only changes the screen the zoom will open; the
// box goes on growing from where it is. The music stays off until "Quil Menu"
// asks for it again.
void Form1::OpenGame(const design::GameClick& click) {
  Sound().Play(audio::effects::kGameTile);
  if (click.hover == design::HoverFlag::HoldBack) HoverSoundPlayed = 1;
  Player().MP3Stop();
  Music().CancelPendingTracks();
  ScreenCode = click.screenCode;
  Picture1.SetVisible(true);
  TimerZoom.SetEnabled(true);
}

}  // namespace quil::home
