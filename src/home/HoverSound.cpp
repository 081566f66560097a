#include "home/HoverSound.h"

#include "catalogue/Sounds.h"

namespace quil::home {

void HoverSound::Play() {
  if (heldBack_ || scroll_.Enabled()) return;
  sound_.Play(catalogue::sounds::kHover);
  heldBack_ = true;
}

}  // namespace quil::home
