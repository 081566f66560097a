#include "app/Program.h"

#include <memory>
#include <string>
#include <string_view>

#include "catalogue/Catalogue.h"
#include "channels/ChannelScreen.h"
#include "home/Form1.h"

namespace quil::app {
namespace {

constexpr std::string_view kHomeMenu = "Form1";

void OpenChannel(rt::Application& app, int screenCode) {
  // Codes follow neither the tiles nor the pages; a code that names no game opens nothing.
  if (const catalogue::Game* game = catalogue::GameWithCode(screenCode)) app.FormNamed(game->form).Show();
}

void ReturnToMenu(rt::Application& app) { app.Get<home::Form1>(kHomeMenu).ReturnFromChannel(); }

}  // namespace

// The forms reach each other only through the calls wired here: the menu
// opens a channel by its screen code, a channel returns to the menu.
std::unique_ptr<home::Form1> MakeHomeMenu(rt::Application& app, audio::Multimedia& media) {
  return std::make_unique<home::Form1>(app, media, [&app](int screenCode) { OpenChannel(app, screenCode); });
}

void RegisterForms(rt::Application& app, audio::Multimedia& media) { RegisterFormsWithGames(app, media, nullptr); }

void RegisterFormsWithGames(rt::Application& app, audio::Multimedia& media, channels::UserGames* games) {
  app.RegisterForm(std::string(kHomeMenu), [&media](rt::Application& a) { return MakeHomeMenu(a, media); });
  for (const catalogue::Game& row : catalogue::kGames) {
    app.RegisterForm(row.form, [&media, &row, games](rt::Application& a) {
      return std::make_unique<channels::ChannelScreen>(a, media, row, [&a] { ReturnToMenu(a); }, games);
    });
  }
}

int RunProgram(rt::Platform& platform, audio::Multimedia& media, rt::TraceSink* trace, channels::UserGames* games) {
  rt::Application app(platform);
  app.SetTrace(trace);
  RegisterFormsWithGames(app, media, games);
  app.Start(kHomeMenu);
  return app.Run();
}

}  // namespace quil::app
