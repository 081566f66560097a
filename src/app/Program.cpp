#include "app/Program.h"

#include <memory>

#include "catalogue/Catalogue.h"
#include "channels/ChannelScreen.h"
#include "home/Form1.h"

namespace quil::app {

void RegisterForms(rt::Application& app, audio::Multimedia& media) {
  app.RegisterForm("Form1", [&media](rt::Application& a) { return std::make_unique<home::Form1>(a, media); });
  for (const catalogue::Game& row : catalogue::kGames) {
    app.RegisterForm(row.form, [&media, &row](rt::Application& a) {
      return std::make_unique<channels::ChannelScreen>(a, media, row);
    });
  }
}

int RunProgram(rt::Platform& platform, audio::Multimedia& media, rt::TraceSink* trace) {
  rt::Application app(platform);
  app.SetTrace(trace);
  RegisterForms(app, media);
  app.Start("Form1");
  return app.Run();
}

}  // namespace quil::app
