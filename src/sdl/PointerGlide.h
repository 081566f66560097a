#pragma once

#include "runtime/Time.h"

namespace quil::sdl {

// How a game controller moves the pointer: the left stick's deflection or the
// D-pad's direction sets a speed that starts slow, so a tile's edge can be
// hit precisely, and grows while the push lasts, so the far side of the
// screen is reached within a second. Distances are screen pixels.
//
//   glide.Stick(x, y, now);                     // on every axis event
//   while (glide.Moving()) pointer += glide.Step(now);  // on every frame
class PointerGlide {
 public:
  struct Offset {
    double x = 0;
    double y = 0;
  };

  // The stick's position, each axis from -1 to 1.
  void Stick(double x, double y, rt::Micros now);
  // Whether a stick at this position pushes nothing.
  static bool AtRest(double x, double y);
  // The D-pad's direction, each axis -1, 0 or 1. It wins over the stick.
  void Pad(int x, int y, rt::Micros now);
  bool Moving() const;
  // The way travelled since the last step (or since the push began).
  Offset Step(rt::Micros now);

 private:
  void Pushed(bool was, rt::Micros now);

  Offset stick_;  // after the dead zone, its length the share of full speed
  int padX_ = 0;
  int padY_ = 0;
  rt::Micros since_ = 0;  // when the present push began
  rt::Micros last_ = 0;   // the last step
};

}  // namespace quil::sdl
