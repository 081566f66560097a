// Form1: the two round buttons of the bottom bar. Each answers a click with a
// joke message box; the hot spot over the discs plays the hover sound, the
// face in front of it does not.
#include "audio/Effects.h"
#include "home/Form1.h"

namespace quil::home {
namespace {

constexpr const char* kOptionsPrompt = "This isn't a real Quil, so there are no Quil Options.";
constexpr const char* kOptionsTitle = "Quil Options";
constexpr const char* kMessageBoard = "lol, e-mail";

}  // namespace

void Form1::ShapeQuilLabel_Click() { App().MsgBox(kOptionsPrompt, rt::MessageBoxStyle::Information, kOptionsTitle); }

void Form1::ShapeQuilLabel_MouseMove() { PlayHoverSound(); }

void Form1::ShapeMailLabel_Click() {
  Sound().Play(audio::effects::kClick);
  App().MsgBox(kMessageBoard, rt::MessageBoxStyle::Information, kMessageBoard);
}

void Form1::ShapeMailLabel_MouseMove() { PlayHoverSound(); }

}  // namespace quil::home
