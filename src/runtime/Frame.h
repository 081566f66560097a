#pragma once

#include "runtime/Colour.h"
#include "runtime/Control.h"
#include "runtime/Font.h"

namespace quil::rt {

// A windowed group box with a caption; the controls placed in it are positioned
// relative to its top-left corner and clipped to it.
class Frame : public Control {
 public:
  Frame(Form& form, std::string name, Rect rect, std::string caption, Font font, Colour backColor,
        Colour foreColor = kSysButtonText);

  const std::string& Caption() const { return caption_; }
  const Font& CaptionFont() const { return font_; }
  Colour BackColor() const { return backColor_; }
  Colour ForeColor() const { return foreColor_; }

 private:
  std::string caption_;
  Font font_;
  Colour backColor_;
  Colour foreColor_;
};

}  // namespace quil::rt
