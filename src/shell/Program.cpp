#include "shell/Program.h"

#include <memory>

#include "home/Form1.h"

namespace quil::shell {

void RegisterForms(rt::Application& app, audio::Multimedia& media) {
  app.RegisterForm("Form1", [&media](rt::Application& a) { return std::make_unique<home::Form1>(a, media); });
}

int RunProgram(rt::Platform& platform, audio::Multimedia& media, rt::TraceSink* trace) {
  rt::Application app(platform);
  app.SetTrace(trace);
  RegisterForms(app, media);
  app.Start("Form1");
  return app.Run();
}

}  // namespace quil::shell
