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
  TimerNamed("TimerIntro").SetEnabled(false);
  Get<rt::Image>("Image1").SetVisible(false);
  SetBackColor(design::kMenuBackground);
  SetMouseIcon(Get<rt::Image>("ImageMouse").MouseIcon());
  HoverSoundPlayed = 1;
  Sound().Play(audio::effects::kClick);
  TimerNamed("Timer2").SetEnabled(true);
  ShowMainMenu();
  MenuShown = true;
}

void Form1::ShowMainMenu() {
  const auto show = [this](std::string_view name) { Find(name)->SetVisible(true); };
  show("ImageLine");
  show("ImageGreyBar");

  auto& date = Get<rt::Label>("Label1");
  date.SetLeft(4440);
  date.SetTop(7440);
  date.SetVisible(true);

  auto& next = Get<rt::PictureBox>("ImageAR");
  next.SetLeft(11200);
  next.SetTop(3360);
  next.SetVisible(true);
  TimerNamed("TimerAR").SetEnabled(true);

  // The previous-page arrow waits in its place until a later page shows it.
  auto& previous = Get<rt::PictureBox>("ImageAL");
  previous.SetLeft(270);
  previous.SetTop(3360);

  show("LabelMenu");

  show(design::TileFrameName(1));
  show("ShapeHC");
  for (int tile = 2; tile <= design::kTilesPerPage; ++tile) show(design::TileFrameName(tile));
  for (int tile = 1; tile <= design::kTilesPerPage; ++tile) show(design::TilePictureName(tile));
  FrameHighlighted = true;

  for (const char* name : {"ShapeQuilButton1", "ShapeQuilButton2", "ImageLabelQuil", "ImageCurveLine1", "ShapeQuilLabel",
                           "ShapeMailButton1", "ShapeMailButton2", "ImageMail", "ImageCurveLine2", "ShapeMailLabel",
                           "ImageExit"})
    show(name);

  TimerNamed("TimerMainMenuMusic").SetEnabled(true);
}

}  // namespace quil::home
