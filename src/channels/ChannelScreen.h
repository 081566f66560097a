#pragma once

#include "audio/Multimedia.h"
#include "audio/SoundEffect.h"
#include "catalogue/Catalogue.h"
#include "channels/UserGames.h"
#include "runtime/Application.h"
#include "runtime/Form.h"

namespace quil::channels {

// One game's channel screen, made from its catalogue row: each screen is its
// own form under its own name (FormSkyhopWorld, Form222, ...) with its own
// state, created afresh on every visit. Handlers are grouped by subject in
// Opening.cpp, Buttons.cpp, StartBlank.cpp and UserGame.cpp.
class ChannelScreen : public rt::Form {
 public:
  // With `games` mapping this channel, "Start" runs the user's game.
  ChannelScreen(rt::Application& app, audio::Multimedia& media, const catalogue::ChannelRow& row,
                UserGames* games = nullptr);

  const catalogue::ChannelRow& Row() const { return row_; }
  audio::SoundEffect& Sound() { return sound_; }

  // 1 while the buttons' hover sound is held back.
  int HoverSoundPlayed = 0;

  // Opening.
  void Form_Load();
  void Timer1_Timer();
  void Timer2_Timer();
  // Buttons: hover and "Quil Menu".
  void ButtonPicture_MouseMove();
  void Image1_Click();
  void Label5_Click() { Image1_Click(); }
  // "Start" and the blank screen.
  void Image2_Click();
  void Label6_Click() { Image2_Click(); }
  void Timer3_Timer();
  void TimerStart_Timer();
  void Form_MouseMove();
  // The user's game, once the pointer has gone.
  void StartGame();
  void TimerGame_Timer();
  bool GameRunning() const;

 private:
  struct Designed {
    Designed(rt::Form& form, const catalogue::ChannelRow& row);
  };

  void WireHandlers();
  void SetPageVisible(bool visible);
  void WireGame(UserGames* games);
  void BringPageBack();

  const catalogue::ChannelRow& row_;
  Designed designed_;
  audio::SoundEffect sound_;
  const GameCommand* game_ = nullptr;
  GameStarter* starter_ = nullptr;
};

}  // namespace quil::channels
