// Form1: the keys, which reach the menu only through whichever page arrow holds
// the focus. They act when released, whatever Shift, Ctrl or Alt are held.
#include "home/Form1.h"
#include "runtime/InputEvent.h"
#include "runtime/PictureBox.h"

namespace quil::home {
namespace {

// Virtual-key codes: the letters, and the digits of the main keyboard (the
// numeric pad's digits have codes of their own and do nothing here).
constexpr int kKeyP = 'P';
constexpr int kKeyM = 'M';
constexpr int kKey1 = '1';
constexpr int kKey2 = '2';

}  // namespace

void Form1::PageArrow_KeyUp(int keyCode, int /*shift*/) {
  switch (keyCode) {
    case rt::kKeyEscape:
      App().End();
      break;
    case kKeyP:
      if (ImageAR.Visible()) ImageAR_Click();
      break;
    case kKeyM:
      if (ImageAL.Visible()) ImageAL_Click();
      break;
    case kKey1:
      Panel().Raise();
      break;
    case kKey2:
      Panel().Lower();
      break;
    default:
      break;
  }
}

}  // namespace quil::home
