#include "shell/Program.h"

#include <memory>

#include "channels/Catalogue.h"
#include "channels/ChannelScreen.h"
#include "home/Form1.h"

namespace quil::shell {

void RegisterForms(rt::Application& app, audio::Multimedia& media) {
  app.RegisterForm("Form1", [&media](rt::Application& a) { return std::make_unique<home::Form1>(a, media); });
  for (const channels::ChannelRow& row : channels::kChannels) {
    app.RegisterForm(row.form, [&media, &row](rt::Application& a) {
      return std::make_unique<channels::ChannelScreen>(a, media, row);
    });
  }
}

int RunProgram(rt::Platform& platform, audio::Multimedia& media) {
  rt::Application app(platform);
  RegisterForms(app, media);
  app.Start("Form1");
  return app.Run();
}

}  // namespace quil::shell
