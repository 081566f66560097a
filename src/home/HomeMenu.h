#pragma once

#include <array>
#include <functional>
#include <string>

#include "audio/Mp3Player.h"
#include "audio/Multimedia.h"
#include "audio/SoundEffect.h"
#include "home/MenuMusic.h"
#include "home/MusicPanel.h"
#include "runtime/Application.h"
#include "runtime/Form.h"
#include "runtime/Frame.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/PictureBox.h"
#include "runtime/Shape.h"
#include "runtime/Timer.h"

namespace quil::home {

namespace design {
struct BroadcastClick;
struct GameClick;
}  // namespace design

// The home menu: the startup form, alive for the whole run. Its design lives
// in Form1Design; its handlers are grouped by subject in Load.cpp, Intro.cpp,
// Reveal.cpp, Tiles.cpp, Activation.cpp, Zoom.cpp, PageArrows.cpp, ArrowKeys.cpp,
// PageScroll.cpp, BarButtons.cpp and Exit.cpp; the music panel's logic is
// MusicPanel.
class Form1 : public rt::Form {
  // Builds the design's controls and timers before every member below, which
  // look them up.
  struct Designed {
    explicit Designed(rt::Form& form);
  } designed_;

 public:
  // Brings the channel screen of a screen code to the front.
  using ChannelOpener = std::function<void(int screenCode)>;

  Form1(rt::Application& app, audio::Multimedia& media, ChannelOpener openChannel);

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

  // The controls and timers the handlers use, looked up once the design is
  // built; the tiles' frames and pictures by tile number, 1 to 48.
  rt::Image &Image1, &Image2, &Image3, &Image4, &Image6, &ImageMouse, &ImageTrans, &ImageLine, &ImageGreyBar,
      &ImageCurveLine1, &ImageCurveLine2, &ImageLabelQuil, &ImageMail, &ImageExit;
  rt::Label &Label1, &LabelRes, &LabelMenu, &ShapeQuilLabel, &ShapeMailLabel, &LabelMusicBack, &LabelMusicNext;
  rt::Shape &ShapeHC, &ShapeQuilButton1, &ShapeQuilButton2, &ShapeMailButton1, &ShapeMailButton2;
  rt::PictureBox &Picture1, &ImageAR, &ImageAL;
  rt::Frame& Frame1;
  rt::Timer &Timer1, &Timer2, &Timer3, &TimerIntro, &TimerAR, &TimerPage, &TimerZoom, &TimerMainMenuMusic,
      &TimerMusicChange, &TimerWeatherMusic, &TimerMusic, &TimerMusic2;
  rt::Shape& TileFrame(int tile) const { return *tileFrames_.at(static_cast<std::size_t>(tile - 1)); }
  rt::Image& TilePicture(int tile) const { return *tilePictures_.at(static_cast<std::size_t>(tile - 1)); }

  audio::SoundEffect& Sound() { return sound_; }
  audio::Mp3Player& Player() { return player_; }
  MenuMusic& Music() { return music_; }
  MusicPanel& Panel() { return panel_; }

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
  // Zoom into a channel screen, and the way back from it.
  void TimerZoom_Timer();
  void ReturnFromChannel();

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

  std::array<rt::Shape*, 48> tileFrames_;
  std::array<rt::Image*, 48> tilePictures_;
  ChannelOpener openChannel_;
  audio::SoundEffect sound_;
  audio::Mp3Player player_;
  MenuMusic music_;
  MusicPanel panel_;
};

}  // namespace quil::home
