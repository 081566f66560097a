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

Form1::Designed::Designed(rt::Form& form) { design::Build(form); }

Form1::Form1(rt::Application& app, audio::Multimedia& media, ChannelOpener openChannel)
    : Form(app, "Form1"),
      designed_(*this),
      openChannel_(std::move(openChannel)),
      sound_(media, [&app] { return app.Path(); }),
      player_(media),
      music_(player_, [&app] { return app.Path(); }, TimerNamed("TimerMainMenuMusic"), TimerNamed("TimerMusicChange"),
             TimerNamed("TimerWeatherMusic")),
      panel_({Get<rt::Frame>("Frame1"), Get<rt::Label>("LabelMusicBack"), Get<rt::Label>("LabelMusicNext"),
              TimerNamed("TimerMusic"), TimerNamed("TimerMusic2"), TimerNamed("TimerMusicChange")},
             music_, sound_) {
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

  TimerNamed("Timer1").OnTimer([this] { Timer1_Timer(); });
  TimerNamed("TimerIntro").OnTimer([this] { TimerIntro_Timer(); });
  TimerNamed("Timer2").OnTimer([this] { Timer2_Timer(); });
  TimerNamed("Timer3").OnTimer([this] { Timer3_Timer(); });
  TimerNamed("TimerZoom").OnTimer([this] { TimerZoom_Timer(); });

  Get<rt::Image>("Image1").OnClick([this] { Form_Click(); });
  for (int tile = 1; tile <= design::kTileCount; ++tile)
    Get<rt::Image>(design::TilePictureName(tile)).OnMouseMove([this, tile] { TileImage_MouseMove(tile); });
  for (int tile = 1; tile <= design::kTileCount; ++tile) {
    if (std::holds_alternative<design::NoClick>(design::ClickOf(tile))) continue;
    Get<rt::Image>(design::TilePictureName(tile)).OnClick([this, tile] { TileImage_Click(tile); });
  }
  Get<rt::Image>("ImageLine").OnMouseMove([this] { ImageLine_MouseMove(); });
  for (const char* bar : {"ImageGreyBar", "ImageCurveLine1", "ImageCurveLine2"})
    Get<rt::Image>(bar).OnMouseMove([this] { BarPicture_MouseMove(); });
  Get<rt::Label>("ShapeQuilLabel").OnClick([this] { ShapeQuilLabel_Click(); });
  Get<rt::Image>("ImageLabelQuil").OnClick([this] { ShapeQuilLabel_Click(); });
  Get<rt::Label>("ShapeQuilLabel").OnMouseMove([this] { ShapeQuilLabel_MouseMove(); });
  Get<rt::Label>("ShapeMailLabel").OnClick([this] { ShapeMailLabel_Click(); });
  Get<rt::Image>("ImageMail").OnClick([this] { ShapeMailLabel_Click(); });
  Get<rt::Label>("ShapeMailLabel").OnMouseMove([this] { ShapeMailLabel_MouseMove(); });
  TimerNamed("TimerAR").OnTimer([this] { TimerAR_Timer(); });
  TimerNamed("TimerPage").OnTimer([this] { TimerPage_Timer(); });
  auto& next = Get<rt::PictureBox>("ImageAR");
  auto& previous = Get<rt::PictureBox>("ImageAL");
  next.OnClick([this] { ImageAR_Click(); });
  previous.OnClick([this] { ImageAL_Click(); });
  next.OnMouseMove([this] { ImageAR_MouseMove(); });
  for (rt::PictureBox* arrow : {&next, &previous})
    arrow->OnKeyUp([this](int keyCode, int shift) { PageArrow_KeyUp(keyCode, shift); });

  Get<rt::Image>("ImageExit").OnClick([this] { ImageExit_Click(); });
  Get<rt::Image>("ImageExit").OnMouseMove([this] { ImageExit_MouseMove(); });
}

// Every hover target of the menu sounds once, then waits for a reset surface to
// re-arm it. Nothing sounds while the pages scroll, even where the pointer
// crossed the background between two steps of the scroll.
void Form1::PlayHoverSound() {
  if (HoverSoundPlayed != 0 || TimerNamed("TimerPage").Enabled()) return;
  Sound().Play(audio::effects::kHover);
  HoverSoundPlayed = 1;
}

}  // namespace quil::home
