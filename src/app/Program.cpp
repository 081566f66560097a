#include "app/Program.h"

#include <memory>

#include "catalogue/Catalogue.h"
#include "channels/ChannelScreen.h"
#include "home/Form1.h"

namespace quil::app {

void RegisterForms(rt::Application& app, audio::Multimedia& media) { RegisterFormsWithGames(app, media, nullptr); }

void RegisterFormsWithGames(rt::Application& app, audio::Multimedia& media, channels::UserGames* games) {
  app.RegisterForm("Form1", [&media](rt::Application& a) { return std::make_unique<home::Form1>(a, media); });
  for (const catalogue::ChannelRow& row : catalogue::kChannels) {
    app.RegisterForm(row.form, [&media, &row, games](rt::Application& a) {
      return std::make_unique<channels::ChannelScreen>(a, media, row, games);
    });
  }
}

int RunProgram(rt::Platform& platform, audio::Multimedia& media, rt::TraceSink* trace, channels::UserGames* games) {
  rt::Application app(platform);
  app.SetTrace(trace);
  RegisterFormsWithGames(app, media, games);
  app.Start("Form1");
  return app.Run();
}

}  // namespace quil::app
