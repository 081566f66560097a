#include "sdl/Gamepads.h"

#include <SDL.h>

namespace quil::sdl {
namespace {

constexpr double kAxisFull = 32767.0;

std::optional<PadButton> Shortcut(Uint8 button) {
  switch (button) {
    case SDL_CONTROLLER_BUTTON_B: return PadButton::B;
    case SDL_CONTROLLER_BUTTON_X: return PadButton::X;
    case SDL_CONTROLLER_BUTTON_Y: return PadButton::Y;
    case SDL_CONTROLLER_BUTTON_BACK: return PadButton::Back;
    case SDL_CONTROLLER_BUTTON_GUIDE: return PadButton::Guide;
    case SDL_CONTROLLER_BUTTON_START: return PadButton::Start;
    case SDL_CONTROLLER_BUTTON_LEFTSHOULDER: return PadButton::LeftShoulder;
    case SDL_CONTROLLER_BUTTON_RIGHTSHOULDER: return PadButton::RightShoulder;
    default: return std::nullopt;
  }
}

bool IsDirection(Uint8 button) {
  return button == SDL_CONTROLLER_BUTTON_DPAD_UP || button == SDL_CONTROLLER_BUTTON_DPAD_DOWN ||
         button == SDL_CONTROLLER_BUTTON_DPAD_LEFT || button == SDL_CONTROLLER_BUTTON_DPAD_RIGHT;
}

}  // namespace

Gamepads::~Gamepads() {
  for (auto& [id, controller] : open_) SDL_GameControllerClose(controller);
  if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

void Gamepads::Start() {
  started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
}

bool Gamepads::Concerns(const SDL_Event& event) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
    case SDL_CONTROLLERDEVICEREMOVED:
    case SDL_CONTROLLERAXISMOTION:
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP:
      return true;
    default:
      return false;
  }
}

std::optional<PadPress> Gamepads::Handle(const SDL_Event& event, rt::Micros now) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      if (SDL_GameController* controller = SDL_GameControllerOpen(event.cdevice.which))
        open_.emplace(SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller)), controller);
      return std::nullopt;
    case SDL_CONTROLLERDEVICEREMOVED:
      if (const auto gone = open_.find(event.cdevice.which); gone != open_.end()) {
        SDL_GameControllerClose(gone->second);
        open_.erase(gone);
        // A controller pulled out while pushing leaves the pointer where it is.
        glide_.Stick(0, 0, now);
        glide_.Pad(0, 0, now);
      }
      return std::nullopt;
    default:
      break;
  }
  const SDL_JoystickID id = event.type == SDL_CONTROLLERAXISMOTION ? event.caxis.which : event.cbutton.which;
  const auto found = open_.find(id);
  if (found == open_.end()) return std::nullopt;
  if (HeldOver(event, found->second)) return std::nullopt;
  if (event.type == SDL_CONTROLLERAXISMOTION) {
    Steer(id, found->second, now);
    return std::nullopt;
  }
  const Uint8 button = event.cbutton.button;
  const bool down = event.type == SDL_CONTROLLERBUTTONDOWN;
  if (IsDirection(button)) {
    Steer(id, found->second, now);
    return std::nullopt;
  }
  if (button == SDL_CONTROLLER_BUTTON_A) return PadPress{down ? PadPress::Kind::Down : PadPress::Kind::Up};
  if (const auto shortcut = Shortcut(button); shortcut && down) return PadPress{PadPress::Kind::Shortcut, *shortcut};
  return std::nullopt;
}

// The controller that moved last steers, with its stick and its D-pad as they
// are now, leaving out pushes held over.
void Gamepads::Steer(SDL_JoystickID id, SDL_GameController* controller, rt::Micros now) {
  const auto held = [this, id, controller](SDL_GameControllerButton button) {
    return SDL_GameControllerGetButton(controller, button) && !buttonsHeldOver_.contains({id, button}) ? 1 : 0;
  };
  glide_.Pad(held(SDL_CONTROLLER_BUTTON_DPAD_RIGHT) - held(SDL_CONTROLLER_BUTTON_DPAD_LEFT),
             held(SDL_CONTROLLER_BUTTON_DPAD_DOWN) - held(SDL_CONTROLLER_BUTTON_DPAD_UP), now);
  if (sticksHeldOver_.contains(id)) return;
  glide_.Stick(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX) / kAxisFull,
               SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY) / kAxisFull, now);
}

void Gamepads::Rest(rt::Micros now) {
  glide_.Stick(0, 0, now);
  glide_.Pad(0, 0, now);
}

void Gamepads::HoldOverPressed() {
  for (const auto& [id, controller] : open_) {
    for (int button = 0; button < SDL_CONTROLLER_BUTTON_MAX; ++button)
      if (SDL_GameControllerGetButton(controller, static_cast<SDL_GameControllerButton>(button)))
        buttonsHeldOver_.emplace(id, button);
    if (!PointerGlide::AtRest(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX) / kAxisFull,
                              SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY) / kAxisFull))
      sticksHeldOver_.insert(id);
  }
}

bool Gamepads::HeldOver(const SDL_Event& event, SDL_GameController* controller) {
  if (event.type == SDL_CONTROLLERAXISMOTION) {
    const SDL_JoystickID id = event.caxis.which;
    if (!sticksHeldOver_.contains(id)) return false;
    if (PointerGlide::AtRest(SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX) / kAxisFull,
                             SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY) / kAxisFull))
      sticksHeldOver_.erase(id);
    return true;
  }
  const auto held = buttonsHeldOver_.find({event.cbutton.which, event.cbutton.button});
  if (held == buttonsHeldOver_.end()) return false;
  if (event.type == SDL_CONTROLLERBUTTONUP) buttonsHeldOver_.erase(held);
  return true;
}

}  // namespace quil::sdl
