// The user's own game behind "Start": it starts once the screen is black and
// the pointer gone, the screen stays black while it runs, and its end brings
// the page back without waiting for a movement.
#include <string>

#include "channels/ChannelScreen.h"

namespace quil::channels {
namespace {

// A command is named in a message by its start: the whole of a long one
// would only bury the reason.
constexpr std::size_t kNamedCommandBytes = 200;

std::string Shortened(const std::string& line) {
  if (line.size() <= kNamedCommandBytes) return line;
  std::size_t end = kNamedCommandBytes;
  while (end > 0 && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80) --end;  // not inside a character
  return line.substr(0, end) + "\u2026";
}

}  // namespace

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
    App().MsgBox("\"" + Shortened(game_->line) + "\" could not be started: " + *reason + ".", rt::MessageBoxStyle::Stop,
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
