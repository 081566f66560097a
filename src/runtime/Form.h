#pragma once

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "runtime/Colour.h"
#include "runtime/Control.h"
#include "runtime/Observer.h"
#include "runtime/Picture.h"
#include "runtime/PictureBox.h"
#include "runtime/Region.h"
#include "runtime/Timer.h"

namespace quil::rt {

class Application;

// A screen: its controls in design order (the first in front), its timers and
// its own events. A subclass builds its design state in its constructor; the
// application creates it on first reference and runs Load before the first show.
class Form {
 public:
  using Handler = std::function<void()>;
  using KeyHandler = std::function<void(int keyCode, int shift)>;

  Form(Application& app, std::string name);
  virtual ~Form() = default;
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  Application& App() const { return app_; }
  const std::string& Name() const { return name_; }

  // Design: controls are added front to back.
  template <class C, class... Args>
  C& Add(Args&&... args) {
    auto control = std::make_unique<C>(*this, std::forward<Args>(args)...);
    C& ref = *control;
    Register(std::move(control));
    return ref;
  }
  Timer& AddTimer(std::string name, int intervalMs);

  Control* Find(std::string_view name) const;
  template <class C>
  C& Get(std::string_view name) const {
    auto* control = dynamic_cast<C*>(Find(name));
    if (!control) throw std::out_of_range("no such control: " + std::string(name));
    return *control;
  }
  Timer& TimerNamed(std::string_view name) const;
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }
  const std::vector<std::unique_ptr<Timer>>& Timers() const { return timers_; }

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption) { caption_ = std::move(caption); }
  Colour BackColor() const { return backColor_; }
  void SetBackColor(Colour colour);
  double Width() const { return width_; }
  void SetWidth(double width) { width_ = width; }
  double Height() const { return height_; }
  void SetHeight(double height) { height_ = height; }
  // The pointer picture shown over the whole form.
  const PictureRef& MouseIcon() const { return mouseIcon_; }
  void SetMouseIcon(PictureRef icon);
  // The window icon: one picture, or the same picture drawn at several sizes
  // (the largest first) for the desktop to pick from.
  const std::vector<PictureRef>& Icon() const { return icon_; }
  void SetIcon(std::vector<PictureRef> sizes) { icon_ = std::move(sizes); }
  void SetIcon(PictureRef icon) { SetIcon(std::vector<PictureRef>{std::move(icon)}); }

  void OnLoad(Handler handler) { load_ = std::move(handler); }
  void OnClick(Handler handler) { click_ = std::move(handler); }
  void OnMouseMove(Handler handler) { mouseMove_ = std::move(handler); }
  void OnKeyUp(KeyHandler handler) { keyUp_ = std::move(handler); }
  bool Loaded() const { return loaded_; }
  void Load();
  void Click() const;
  void MouseMove() const;
  void KeyUp(int keyCode, int shift) const;

  // Show returns the form shown: a new instance of this one's design if this one was unloaded.
  Form& Show();
  void Unload();

  // The control that takes the pointer at (x, y) in twips; nullptr for the form itself.
  Control* HitTest(double x, double y) const;

  PictureBox* Focused() const { return focused_; }
  // Gives the focus to a shown picture box; other requests are refused.
  void FocusOn(PictureBox* box);
  void FocusNext(bool backwards);
  // Called by a control that is hidden: the focus moves on to the next shown picture box.
  void ControlHidden(Control& control);

  // Painting. A control that changes tells the form; the form works out from
  // where each such control was painted and where it is now which part of the
  // screen has to be painted again.
  bool Dirty() const { return damage_.Everything() || !pending_.empty() || !damage_.Empty(); }
  // The whole form is to be painted again.
  void Invalidate() { damage_.AddEverything(); }
  void ControlChanged(Control& control) { pending_.push_back(&control); }
  // Turns the changes since the last paint into the damaged region.
  void CollectDamage();
  const Region& Damage() const { return damage_; }
  // Where each control (in the order of Controls()) was shown when the
  // damage was last collected, nothing for one not shown then. Kept side by
  // side, so that a look at all of them reads little memory.
  const std::vector<std::optional<Rect>>& PaintedExtents() const { return paintedExtents_; }
  // The damaged region has been painted.
  void Painted() { damage_.Clear(); }

 private:
  void Observed(Observer::Input input) const;
  void Register(std::unique_ptr<Control> control);
  std::vector<PictureBox*> TabOrder() const;

  Application& app_;
  std::string name_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::vector<std::optional<Rect>> paintedExtents_;
  std::unordered_map<std::string_view, Control*> byName_;
  std::vector<std::unique_ptr<Timer>> timers_;

  std::string caption_;
  Colour backColor_ = SystemColour(15);
  double width_ = 12000;
  double height_ = 9000;
  PictureRef mouseIcon_;
  std::vector<PictureRef> icon_;

  Handler load_;
  Handler click_;
  Handler mouseMove_;
  KeyHandler keyUp_;
  bool loaded_ = false;
  PictureBox* focused_ = nullptr;
  std::vector<Control*> pending_;
  Region damage_;
};

}  // namespace quil::rt
