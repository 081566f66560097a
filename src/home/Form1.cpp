#include "home/Form1.h"

#include "assets/Pictures.h"
#include "audio/Effects.h"
#include "home/Form1Design.h"
#include "shell/runtime/Image.h"

namespace quil::home {

Form1::Designed::Designed(rt::Form& form) { design::Build(form); }

Form1::Form1(rt::Application& app, audio::Multimedia& media)
    : Form(app, "Form1"),
      designed_(*this),
      sound_(media, [&app] { return app.Path(); }),
      player_(media),
      music_(player_, [&app] { return app.Path(); }, TimerNamed("TimerMainMenuMusic"), TimerNamed("TimerMusicChange"),
             TimerNamed("TimerWeatherMusic")) {
  SetCaption("Quil OS");
  SetBackColor(design::kMenuBackground);
  SetWidth(52995);
  SetHeight(8925);
  SetIcon({assets::Picture("AppIcon48"), assets::Picture("AppIcon32"), assets::Picture("AppIcon24"),
           assets::Picture("AppIcon16")});
  SetMouseIcon(assets::Picture("PointerHand"));
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

  Get<rt::Image>("Image1").OnClick([this] { Form_Click(); });
  for (int tile = 1; tile <= design::kTileCount; ++tile)
    Get<rt::Image>(design::TilePictureName(tile)).OnMouseMove([this, tile] { TileImage_MouseMove(tile); });
  Get<rt::Image>("ImageLine").OnMouseMove([this] { ImageLine_MouseMove(); });
  for (const char* bar : {"ImageGreyBar", "ImageCurveLine1", "ImageCurveLine2"})
    Get<rt::Image>(bar).OnMouseMove([this] { BarPicture_MouseMove(); });
  Get<rt::Image>("ImageExit").OnClick([this] { ImageExit_Click(); });
  Get<rt::Image>("ImageExit").OnMouseMove([this] { ImageExit_MouseMove(); });
}

// Every hover target of the menu sounds once, then waits for a reset surface to re-arm it.
void Form1::PlayHoverSound() {
  if (HoverSoundPlayed != 0) return;
  Sound().Play(audio::effects::kHover);
  HoverSoundPlayed = 1;
}

}  // namespace quil::home
