#include "app/Program.h"

#include <memory>
#include <string>

#include "app/OwnChannelForms.h"
#include "catalogue/Catalogue.h"
#include "channels/ChannelScreen.h"
#include "home/MenuDesign.h"

namespace quil::app {
namespace {

void OpenChannel(rt::Application& app, int screenCode) {
  // Codes follow neither the tiles nor the pages; a code that names no game opens nothing.
  if (const catalogue::Game* game = catalogue::GameWithCode(screenCode))
    app.FormNamed(game->form).Show();
  else if (const std::string own = OwnFormName(screenCode); !own.empty())
    app.FormNamed(own).Show();
}

// The menu these registrations made, which lives for the whole run. Only
// tests show a channel screen before the menu exists, or register a menu of
// their own; the way back then finds the menu by its name.
class MenuHolder {
 public:
  home::HomeMenu& Menu(rt::Application& app) {
    return menu_ ? *menu_ : app.Get<home::HomeMenu>(home::design::kFormName);
  }
  std::unique_ptr<home::HomeMenu> Make(rt::Application& app, audio::Multimedia& media) {
    auto menu = MakeHomeMenu(app, media);
    menu_ = menu.get();
    return menu;
  }

 private:
  home::HomeMenu* menu_ = nullptr;
};

}  // namespace

// The forms reach each other only through the calls wired here: the menu
// opens a channel by its screen code, a channel returns to the menu.
std::unique_ptr<home::HomeMenu> MakeHomeMenu(rt::Application& app, audio::Multimedia& media) {
  return std::make_unique<home::HomeMenu>(app, media, [&app](int screenCode) { OpenChannel(app, screenCode); });
}

void RegisterForms(rt::Application& app, audio::Multimedia& media) { RegisterFormsWithGames(app, media, nullptr); }

void RegisterFormsWithGames(rt::Application& app, audio::Multimedia& media, channels::UserGames* games) {
  auto holder = std::make_shared<MenuHolder>();
  app.RegisterForm(std::string(home::design::kFormName),
                   [&media, holder](rt::Application& a) { return holder->Make(a, media); });
  for (const catalogue::Game& row : catalogue::kGames) {
    app.RegisterForm(row.form, [&media, &row, games, holder](rt::Application& a) {
      return std::make_unique<channels::ChannelScreen>(
          a, media, row, [&a, holder] { holder->Menu(a).ReturnFromChannel(); }, games);
    });
  }
}

void AddOwnChannels(rt::Application& app, audio::Multimedia& media, const std::vector<catalogue::OwnChannel>& own,
                    const OwnChannelSetting& setting) {
  auto& menu = app.Get<home::HomeMenu>(home::design::kFormName);
  menu.SeatOwnChannels(RegisterOwnChannels(app, media, own, setting, [&menu] { menu.ReturnFromChannel(); }));
}

int RunProgram(rt::Platform& platform, audio::Multimedia& media, rt::TraceSink* trace, channels::UserGames* games,
               const std::function<void(rt::Application&)>& started) {
  rt::Application app(platform);
  app.SetTrace(trace);
  RegisterFormsWithGames(app, media, games);
  app.Start(home::design::kFormName);
  if (started) started(app);
  return app.Run();
}

}  // namespace quil::app
