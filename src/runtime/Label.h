#pragma once

#include "runtime/Colour.h"
#include "runtime/Control.h"
#include "runtime/Font.h"

namespace quil::rt {

// A windowless text. The caption is shown literally and wraps at word breaks
// within the label's width. A transparent label still takes the pointer over
// its whole rectangle.
class Label : public Control {
 public:
  struct Look {
    Font font;
    Colour foreColor = kSysButtonText;
    Alignment alignment = Alignment::Left;
    bool opaque = false;
    Colour backColor = SystemColour(15);
  };

  Label(Form& form, std::string name, Rect rect, std::string caption, Look look);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  Colour ForeColor() const { return look_.foreColor; }
  void SetForeColor(Colour colour);
  const Look& Appearance() const { return look_; }

 private:
  std::string caption_;
  Look look_;
};

}  // namespace quil::rt
