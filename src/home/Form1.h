#pragma once

#include <string>

#include "audio/MenuMusic.h"
#include "audio/Mp3Player.h"
#include "audio/Multimedia.h"
#include "audio/MusicPanel.h"
#include "audio/SoundEffect.h"
#include "shell/runtime/Application.h"
#include "shell/runtime/Form.h"

namespace quil::home {

namespace design {
struct BroadcastClick;
struct GameClick;
}  // namespace design

// The home menu: the startup form, alive for the whole run. Its design lives
// in Form1Design; its handlers are grouped by subject in Load.cpp, Intro.cpp,
// Reveal.cpp, Tiles.cpp, Activation.cpp, Zoom.cpp, PageArrows.cpp, ArrowKeys.cpp,
// PageScroll.cpp, BarButtons.cpp and Exit.cpp; the music panel's logic is
// audio::MusicPanel.
class Form1 : public rt::Form {
 public:
  Form1(rt::Application& app, audio::Multimedia& media);

  // Form-level state, shared by the handlers of every subject.
  bool PageMovingIn = false;      // the leaving page is out and the arriving one slides in
  int IntroFrame = 0;             // step 0 to 7 of the prompt animation
  int ArrowPhase = 0;             // the arrows bob 0 to the right, 1 to the left
  bool PageForward = false;       // the last change to page 2 or 3 went forward
  bool FrameHighlighted = false;  // a tile frame shows the hover outline
  bool IntroShown = false;        // the warning is up, so the intro click counts
  int CurrentPage = 0;            // the page on screen less one
  int ScreenCode = 0;             // the channel screen a zoom opens
  int WeekdayNumber = 0;          // 1 Sunday to 7 Saturday
  std::string WeekdayText;
  std::string DateText;
  int HoverSoundPlayed = 0;  // 1 while hover sounds are held back
  std::string TrackSnapshot;
  bool MenuShown = false;
  int ScreenWidthPx = 0;
  int ScreenHeightPx = 0;

  audio::SoundEffect& Sound() { return sound_; }
  audio::Mp3Player& Player() { return player_; }
  audio::MenuMusic& Music() { return music_; }
  audio::MusicPanel& Panel() { return panel_; }

  // Load.
  void Form_Load();
  // Intro.
  void Timer1_Timer();
  void TimerIntro_Timer();
  void Timer2_Timer();
  void Timer3_Timer();
  // Reveal.
  void Form_Click();
  void ShowMainMenu();
  // Tiles and reset surfaces.
  void TileImage_MouseMove(int tile);
  void Form_MouseMove();
  void ImageLine_MouseMove();
  void BarPicture_MouseMove();
  // Tile clicks; the empty slots have none.
  void TileImage_Click(int tile);
  // Bottom-bar buttons; a button's face clicks like its hot spot.
  void ShapeQuilLabel_Click();
  void ShapeQuilLabel_MouseMove();
  void ShapeMailLabel_Click();
  void ShapeMailLabel_MouseMove();
  // Page arrows.
  void TimerAR_Timer();
  void ImageAR_Click();
  void ImageAL_Click();
  void ImageAR_MouseMove();
  // The key-up handler of both arrows.
  void PageArrow_KeyUp(int keyCode, int shift);
  // Page scroll.
  void TimerPage_Timer();
  // Exit button.
  void ImageExit_Click();
  void ImageExit_MouseMove();
  // Zoom into a channel screen.
  void TimerZoom_Timer();

 private:
  void WireHandlers();
  bool ResolutionAccepted();
  void BuildDateText();
  void PlayHoverSound();
  void FrameReset();
  void HoverReArm() { HoverSoundPlayed = 0; }
  void MusicWatchdog();
  void SetFrameOutline(int tile, rt::Colour colour, int widthPixels);
  void OpenBroadcast(const design::BroadcastClick& click);
  void OpenGame(const design::GameClick& click);
  void PutZoomBoxAway();
  void TurnPage(int step);

  // Builds the design's controls and timers before the members below, which
  // need the timers.
  struct Designed {
    explicit Designed(rt::Form& form);
  } designed_;
  audio::SoundEffect sound_;
  audio::Mp3Player player_;
  audio::MenuMusic music_;
  audio::MusicPanel panel_;
};

}  // namespace quil::home
