#include "home/TileClicks.h"

#include <variant>

#include "catalogue/Sounds.h"

namespace quil::home {
namespace {

template <class... Handlers>
struct Overloaded : Handlers... {
  using Handlers::operator()...;
};

}  // namespace

TileClicks::TileClicks(const Tiles& tiles, const Parts& parts, rt::Application& app, audio::SoundEffect& sound,
                       audio::Mp3Player& player)
    : parts_(parts), app_(app), sound_(sound), player_(player) {
  for (int tile = 1; tile <= geometry::kTileCount; ++tile) {
    if (std::holds_alternative<design::NoClick>(design::ClickOf(tile))) continue;
    tiles.Picture(tile).OnClick([this, tile] { OnTileClicked(tile); });
  }
}

void TileClicks::Seat(const Tiles& tiles, const OwnTile& own) {
  ownCodes_.at(static_cast<std::size_t>(own.tile - 1)) = own.screenCode;
  tiles.Picture(own.tile).OnClick([this, tile = own.tile] { OnTileClicked(tile); });
}

void TileClicks::OnTileClicked(int tile) {
  if (const int code = ownCodes_.at(static_cast<std::size_t>(tile - 1))) {
    OpenGame(design::GameClick{code});
    return;
  }
  std::visit(Overloaded{
                 [](const design::NoClick&) {},
                 [this](const design::MessageClick& click) { app_.MsgBox(click.prompt, click.style, click.title); },
                 [this](const design::BroadcastClick& click) { OpenBroadcast(click); },
                 [this](const design::GameClick& click) { OpenGame(click); },
             },
             design::ClickOf(tile));
}

// The sound goes on under the box; the music stops only once the box has been
// closed and the silence's delay has run.
void TileClicks::OpenBroadcast(const design::BroadcastClick& click) {
  sound_.Play(click.sound);
  app_.MsgBox(click.message, rt::MessageBoxStyle::Information, click.message);
  parts_.music.SilenceSoon();
}

// The music stays off until "Quil Menu" asks for it again.
void TileClicks::OpenGame(const design::GameClick& click) {
  sound_.Play(catalogue::sounds::kGameTile);
  if (click.hover == design::HoverFlag::HoldBack) parts_.hover.HoldBack();
  player_.MP3Stop();
  parts_.music.CancelPendingTracks();
  parts_.zoom.Open(click.screenCode);
}

}  // namespace quil::home
