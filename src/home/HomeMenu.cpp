#include "home/Form1.h"

#include <utility>
#include <variant>

#include "pictures/Pictures.h"
#include "audio/Effects.h"
#include "home/Form1Design.h"
#include "runtime/Frame.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/PictureBox.h"

namespace quil::home {
namespace {

// Every tile's control of one kind, by tile number less one.
template <class C>
std::array<C*, design::kTileCount> Tiles(const rt::Form& form, std::string_view (*nameOf)(int tile)) {
  std::array<C*, design::kTileCount> controls;
  for (int tile = 1; tile <= design::kTileCount; ++tile) controls[tile - 1] = &form.Get<C>(nameOf(tile));
  return controls;
}

}  // namespace

Form1::Designed::Designed(rt::Form& form) { design::Build(form); }

Form1::Form1(rt::Application& app, audio::Multimedia& media, ChannelOpener openChannel)
    : Form(app, "Form1"),
      designed_(*this),
      Image1(Get<rt::Image>("Image1")),
      Image2(Get<rt::Image>("Image2")),
      Image3(Get<rt::Image>("Image3")),
      Image4(Get<rt::Image>("Image4")),
      Image6(Get<rt::Image>("Image6")),
      ImageMouse(Get<rt::Image>("ImageMouse")),
      ImageTrans(Get<rt::Image>("ImageTrans")),
      ImageLine(Get<rt::Image>("ImageLine")),
      ImageGreyBar(Get<rt::Image>("ImageGreyBar")),
      ImageCurveLine1(Get<rt::Image>("ImageCurveLine1")),
      ImageCurveLine2(Get<rt::Image>("ImageCurveLine2")),
      ImageLabelQuil(Get<rt::Image>("ImageLabelQuil")),
      ImageMail(Get<rt::Image>("ImageMail")),
      ImageExit(Get<rt::Image>("ImageExit")),
      Label1(Get<rt::Label>("Label1")),
      LabelRes(Get<rt::Label>("LabelRes")),
      LabelMenu(Get<rt::Label>("LabelMenu")),
      ShapeQuilLabel(Get<rt::Label>("ShapeQuilLabel")),
      ShapeMailLabel(Get<rt::Label>("ShapeMailLabel")),
      LabelMusicBack(Get<rt::Label>("LabelMusicBack")),
      LabelMusicNext(Get<rt::Label>("LabelMusicNext")),
      ShapeHC(Get<rt::Shape>("ShapeHC")),
      ShapeQuilButton1(Get<rt::Shape>("ShapeQuilButton1")),
      ShapeQuilButton2(Get<rt::Shape>("ShapeQuilButton2")),
      ShapeMailButton1(Get<rt::Shape>("ShapeMailButton1")),
      ShapeMailButton2(Get<rt::Shape>("ShapeMailButton2")),
      Picture1(Get<rt::PictureBox>("Picture1")),
      ImageAR(Get<rt::PictureBox>("ImageAR")),
      ImageAL(Get<rt::PictureBox>("ImageAL")),
      Frame1(Get<rt::Frame>("Frame1")),
      Timer1(TimerNamed("Timer1")),
      Timer2(TimerNamed("Timer2")),
      Timer3(TimerNamed("Timer3")),
      TimerIntro(TimerNamed("TimerIntro")),
      TimerAR(TimerNamed("TimerAR")),
      TimerPage(TimerNamed("TimerPage")),
      TimerZoom(TimerNamed("TimerZoom")),
      TimerMainMenuMusic(TimerNamed("TimerMainMenuMusic")),
      TimerMusicChange(TimerNamed("TimerMusicChange")),
      TimerWeatherMusic(TimerNamed("TimerWeatherMusic")),
      TimerMusic(TimerNamed("TimerMusic")),
      TimerMusic2(TimerNamed("TimerMusic2")),
      tileFrames_(Tiles<rt::Shape>(*this, design::TileFrameName)),
      tilePictures_(Tiles<rt::Image>(*this, design::TilePictureName)),
      openChannel_(std::move(openChannel)),
      sound_(media, [&app] { return app.Path(); }),
      player_(media),
      music_(player_, [&app] { return app.Path(); }, TimerMainMenuMusic, TimerMusicChange, TimerWeatherMusic),
      panel_({Frame1, LabelMusicBack, LabelMusicNext, TimerMusic, TimerMusic2, TimerMusicChange}, music_, sound_) {
  SetCaption("Quil OS");
  SetBackColor(design::kMenuBackground);
  SetWidth(52995);
  SetHeight(8925);
  SetIcon({pictures::Picture("AppIcon48"), pictures::Picture("AppIcon32"), pictures::Picture("AppIcon24"),
           pictures::Picture("AppIcon16")});
  SetMouseIcon(pictures::Picture("PointerHand"));
  WireHandlers();
}

void Form1::WireHandlers() {
  OnLoad([this] { Form_Load(); });
  OnClick([this] { Form_Click(); });
  OnMouseMove([this] { Form_MouseMove(); });

  Timer1.OnTimer([this] { Timer1_Timer(); });
  TimerIntro.OnTimer([this] { TimerIntro_Timer(); });
  Timer2.OnTimer([this] { Timer2_Timer(); });
  Timer3.OnTimer([this] { Timer3_Timer(); });
  TimerZoom.OnTimer([this] { TimerZoom_Timer(); });

  Image1.OnClick([this] { Form_Click(); });
  for (int tile = 1; tile <= design::kTileCount; ++tile)
    TilePicture(tile).OnMouseMove([this, tile] { TileImage_MouseMove(tile); });
  for (int tile = 1; tile <= design::kTileCount; ++tile) {
    if (std::holds_alternative<design::NoClick>(design::ClickOf(tile))) continue;
    TilePicture(tile).OnClick([this, tile] { TileImage_Click(tile); });
  }
  ImageLine.OnMouseMove([this] { ImageLine_MouseMove(); });
  for (rt::Image* bar : {&ImageGreyBar, &ImageCurveLine1, &ImageCurveLine2})
    bar->OnMouseMove([this] { BarPicture_MouseMove(); });
  ShapeQuilLabel.OnClick([this] { ShapeQuilLabel_Click(); });
  ImageLabelQuil.OnClick([this] { ShapeQuilLabel_Click(); });
  ShapeQuilLabel.OnMouseMove([this] { ShapeQuilLabel_MouseMove(); });
  ShapeMailLabel.OnClick([this] { ShapeMailLabel_Click(); });
  ImageMail.OnClick([this] { ShapeMailLabel_Click(); });
  ShapeMailLabel.OnMouseMove([this] { ShapeMailLabel_MouseMove(); });
  TimerAR.OnTimer([this] { TimerAR_Timer(); });
  TimerPage.OnTimer([this] { TimerPage_Timer(); });
  ImageAR.OnClick([this] { ImageAR_Click(); });
  ImageAL.OnClick([this] { ImageAL_Click(); });
  ImageAR.OnMouseMove([this] { ImageAR_MouseMove(); });
  for (rt::PictureBox* arrow : {&ImageAR, &ImageAL})
    arrow->OnKeyUp([this](int keyCode, int shift) { PageArrow_KeyUp(keyCode, shift); });

  ImageExit.OnClick([this] { ImageExit_Click(); });
  ImageExit.OnMouseMove([this] { ImageExit_MouseMove(); });
}

// Every hover target of the menu sounds once, then waits for a reset surface to
// re-arm it. Nothing sounds while the pages scroll, even where the pointer
// crossed the background between two steps of the scroll.
void Form1::PlayHoverSound() {
  if (HoverSoundPlayed != 0 || TimerPage.Enabled()) return;
  Sound().Play(audio::effects::kHover);
  HoverSoundPlayed = 1;
}

}  // namespace quil::home
