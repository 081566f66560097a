#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "audio/Multimedia.h"
#include "audio/SoundEffect.h"
#include "catalogue/Catalogue.h"
#include "channels/ChannelDesign.h"
#include "channels/ChannelPage.h"
#include "channels/UserGames.h"
#include "runtime/Application.h"
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Timer.h"

namespace quil::channels {

// One game's channel screen, made from its catalogue row or from a channel of
// the user's own: each screen is its own form under its own name
// (FormSkyhopWorld, Form222, ...) with its own state, created afresh on every
// visit. Handlers are grouped by subject in
// Opening.cpp, Buttons.cpp, StartBlank.cpp and UserGame.cpp.
class ChannelScreen : public rt::Form {
 public:
  // Brings the home menu back to the front, with its music on the way.
  using MenuReturn = std::function<void()>;

  // With `games` mapping this channel, "Start" runs the user's game.
  ChannelScreen(rt::Application& app, audio::Multimedia& media, ChannelPage shown, MenuReturn returnToMenu,
                UserGames* games = nullptr);
  ChannelScreen(rt::Application& app, audio::Multimedia& media, const catalogue::Game& row,
                MenuReturn returnToMenu, UserGames* games = nullptr)
      : ChannelScreen(app, media, PageOf(row), std::move(returnToMenu), games) {}

  // What a controller's guide and B buttons click.
  const rt::Control& MenuButton() const { return controls_.menuButton; }
  // What "Start" hides and a later movement shows.
  const std::vector<rt::Control*>& Page() const { return controls_.page; }
  // The buttons' hover sound is held back until the pointer crosses the background.
  bool HoverHeldBack() const { return hoverHeldBack_; }
  // The user's game started from this screen still runs.
  bool GameRunning() const;

 private:
  // Opening.
  void OnLoaded();
  void OnTitleDue();
  void OnHoverHoldOffOver();
  // Buttons: hover and "Quil Menu".
  void OnPointerOverButton();
  void OnMenuClicked();
  // "Start" and the blank screen.
  void OnStartClicked();
  void OnPointerDue();
  void OnLockOutOver();
  void OnPointerOverBackground();
  void SetPageVisible(bool visible);
  void BringPageBack();
  // The user's game, once the pointer has gone.
  void WireGame(UserGames* games);
  void StartGame();
  void OnGamePoll();


  const ChannelPage shown_;
  design::ScreenControls controls_;
  MenuReturn returnToMenu_;
  audio::SoundEffect sound_;
  bool hoverHeldBack_ = false;
  // The user's game behind "Start", if this channel has one.
  const GameCommand* game_ = nullptr;
  GameStarter* starter_ = nullptr;
  rt::Timer* gamePoll_ = nullptr;
};

}  // namespace quil::channels
