// Form1: the intro click, which turns the warning screen into the menu at rest.
#include "audio/Effects.h"
#include "home/Form1.h"
#include "home/Form1Design.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/PictureBox.h"
#include "runtime/Shape.h"

namespace quil::home {

void Form1::Form_Click() {
  if (!IntroShown || MenuShown) return;
  TimerIntro.SetEnabled(false);
  Image1.SetVisible(false);
  SetBackColor(design::kMenuBackground);
  SetMouseIcon(ImageMouse.MouseIcon());
  HoverSoundPlayed = 1;
  Sound().Play(audio::effects::kClick);
  Timer2.SetEnabled(true);
  ShowMainMenu();
  MenuShown = true;
}

void Form1::ShowMainMenu() {
  ImageLine.SetVisible(true);
  ImageGreyBar.SetVisible(true);

  auto& date = Label1;
  date.SetLeft(4440);
  date.SetTop(7440);
  date.SetVisible(true);

  auto& next = ImageAR;
  next.SetLeft(11200);
  next.SetTop(3360);
  next.SetVisible(true);
  TimerAR.SetEnabled(true);

  // The previous-page arrow waits in its place until a later page shows it.
  auto& previous = ImageAL;
  previous.SetLeft(270);
  previous.SetTop(3360);

  LabelMenu.SetVisible(true);

  TileFrame(1).SetVisible(true);
  ShapeHC.SetVisible(true);
  for (int tile = 2; tile <= design::kTilesPerPage; ++tile) TileFrame(tile).SetVisible(true);
  for (int tile = 1; tile <= design::kTilesPerPage; ++tile) TilePicture(tile).SetVisible(true);
  FrameHighlighted = true;

  for (rt::Control* control : std::initializer_list<rt::Control*>{
           &ShapeQuilButton1, &ShapeQuilButton2, &ImageLabelQuil, &ImageCurveLine1, &ShapeQuilLabel, &ShapeMailButton1,
           &ShapeMailButton2, &ImageMail, &ImageCurveLine2, &ShapeMailLabel, &ImageExit})
    control->SetVisible(true);

  TimerMainMenuMusic.SetEnabled(true);
}

}  // namespace quil::home
