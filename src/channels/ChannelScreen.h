#pragma once

#include <functional>
#include <vector>

#include "audio/Multimedia.h"
#include "audio/SoundEffect.h"
#include "catalogue/Catalogue.h"
#include "channels/UserGames.h"
#include "runtime/Application.h"
#include "runtime/Form.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Timer.h"

namespace quil::channels {

// One game's channel screen, made from its catalogue row: each screen is its
// own form under its own name (FormSkyhopWorld, Form222, ...) with its own
// state, created afresh on every visit. Handlers are grouped by subject in
// Opening.cpp, Buttons.cpp, StartBlank.cpp and UserGame.cpp.
class ChannelScreen : public rt::Form {
 public:
  // Brings the home menu back to the front, with its music on the way.
  using MenuReturn = std::function<void()>;

  // With `games` mapping this channel, "Start" runs the user's game.
  ChannelScreen(rt::Application& app, audio::Multimedia& media, const catalogue::Game& row,
                MenuReturn returnToMenu, UserGames* games = nullptr);


  const catalogue::Game& Row() const { return row_; }
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
    Designed(rt::Form& form, const catalogue::Game& row);
  };

  void WireHandlers();
  void SetPageVisible(bool visible);
  void WireGame(UserGames* games);
  void BringPageBack();

  const catalogue::Game& row_;
  Designed designed_;
  MenuReturn returnToMenu_;
  audio::SoundEffect sound_;

  // The controls and timers the handlers use, looked up once the design is built.
  rt::Image& Image1;  // "Quil Menu"
  rt::Image& Image2;  // "Start"
  rt::Image& Image3;  // the screenshot
  rt::Image& Image5;  // holds the blank pointer
  rt::Image& Image6;  // holds the hand pointer
  rt::Label& Label1;  // the title
  rt::Label& Label5;
  rt::Label& Label6;
  rt::Timer& Timer1;
  rt::Timer& Timer2;
  rt::Timer& Timer3;
  rt::Timer& TimerStart;
  // What "Start" hides and a later movement shows, in that order.
  const std::vector<rt::Control*> page_;
  // The user's game behind "Start", if this channel has one.
  const GameCommand* game_ = nullptr;
  GameStarter* starter_ = nullptr;
  rt::Timer* TimerGame = nullptr;
};

}  // namespace quil::channels
