// The user's own game behind "Start": it starts once the screen is black and
// the pointer gone, the screen stays black while it runs, and its end brings
// the page back without waiting for a movement.
#include <string>

#include "channels/ChannelScreen.h"

namespace quil::channels {

void ChannelScreen::WireGame(UserGames* games) {
  if (!games) return;
  const auto command = games->commands.find(shown_.title);
  if (command == games->commands.end()) return;
  game_ = &command->second;
  starter_ = &games->starter;
  gamePoll_ = &rt::Designer(*this).Add(design::kGamePoll);
  gamePoll_->OnTimer([this] { OnGamePoll(); });
}

void ChannelScreen::StartGame() {
  if (!game_) return;
  if (const auto reason = starter_->Start(shown_.title, *game_)) {
    BringPageBack();
    App().MsgBox("\"" + game_->line + "\" could not be started: " + *reason + ".", rt::MessageBoxStyle::Stop,
                 shown_.title);
    return;
  }
  // While it runs, this timer also keeps the page from coming back on a movement.
  gamePoll_->SetEnabled(true);
}

void ChannelScreen::OnGamePoll() {
  if (starter_->Running()) return;
  gamePoll_->SetEnabled(false);
  BringPageBack();
}

bool ChannelScreen::GameRunning() const { return game_ && gamePoll_->Enabled(); }

}  // namespace quil::channels
