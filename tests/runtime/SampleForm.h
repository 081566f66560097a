#pragma once

#include <string>
#include <vector>

#include "runtime/Application.h"
#include "runtime/Frame.h"
#include "runtime/Image.h"
#include "runtime/Label.h"
#include "runtime/Line.h"
#include "runtime/PictureBox.h"
#include "runtime/Shape.h"

namespace quil::test {

// A small form with overlapping controls of every kind; every event it gets is
// written to `log` as "<control>.<event>".
class SampleForm : public rt::Form {
 public:
  SampleForm(rt::Application& app, std::vector<std::string>& log) : Form(app, "Sample") {
    Add<rt::PictureBox>("BoxA", rt::Rect{0, 0, 1500, 1500}, 0x00F1F1F1, nullptr, 1);
    auto& frame = Add<rt::Frame>("Panel", rt::Rect{3000, 3000, 1500, 900}, "Panel", rt::Font{}, 0x00D8CECA);
    Add<rt::Label>("InPanel", rt::Rect{150, 150, 600, 600}, "x", rt::Label::Look{}).PlaceIn(frame);
    Add<rt::PictureBox>("BoxB", rt::Rect{6000, 0, 1500, 1500}, 0x00F1F1F1, nullptr, 0);
    Add<rt::Label>("Front", rt::Rect{750, 750, 1500, 1500}, "", rt::Label::Look{});
    Add<rt::Image>("Back", rt::Rect{750, 750, 3000, 3000}, nullptr, true).SetToolTip("Back tip");
    Add<rt::Shape>("Cover", rt::Rect{0, 6000, 3000, 3000}, rt::Shape::Look{});
    Add<rt::Line>("Rule", 0.0, 6000.0, 12000.0, 6000.0);
    Add<rt::Image>("UnderShape", rt::Rect{0, 6000, 3000, 3000}, nullptr, true);
    Add<rt::Label>("Hidden", rt::Rect{9000, 6000, 1500, 1500}, "", rt::Label::Look{}).SetVisible(false);
    AddTimer("Tick", 50);

    for (const auto& control : Controls()) {
      const std::string name = control->Name();
      control->OnClick([&log, name] { log.push_back(name + ".Click"); });
      control->OnMouseMove([&log, name] { log.push_back(name + ".MouseMove"); });
      control->OnKeyUp([&log, name](int key, int) { log.push_back(name + ".KeyUp " + std::to_string(key)); });
    }
    OnClick([&log] { log.push_back("Form.Click"); });
    OnMouseMove([&log] { log.push_back("Form.MouseMove"); });
    OnKeyUp([&log](int key, int) { log.push_back("Form.KeyUp " + std::to_string(key)); });
    OnLoad([&log] { log.push_back("Form.Load"); });
  }
};

}  // namespace quil::test
