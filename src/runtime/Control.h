#pragma once

#include <functional>
#include <optional>
#include <string>

#include "runtime/Observer.h"
#include "runtime/Twips.h"

namespace quil::rt {

class Form;
class Frame;

enum class ControlKind { Image, Label, Shape, Line, PictureBox, Frame };

// What every control of a form has: a name, a rectangle in twips relative to
// its container, visibility, a tooltip and the pointer events it may handle.
// Setters redraw only when a value really changes.
class Control {
 public:
  using Handler = std::function<void()>;
  using KeyHandler = std::function<void(int keyCode, int shift)>;

  Control(Form& form, ControlKind kind, std::string name, Rect rect);
  virtual ~Control() = default;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  ControlKind Kind() const { return kind_; }
  Form& Owner() const { return form_; }

  double Left() const { return rect_.left; }
  double Top() const { return rect_.top; }
  double Width() const { return rect_.width; }
  double Height() const { return rect_.height; }
  void SetLeft(double left);
  void SetTop(double top);
  void SetWidth(double width);
  void SetHeight(double height);
  const Rect& Bounds() const { return rect_; }
  // The rectangle in the form's own coordinates, through any containing frame.
  Rect FormBounds() const;

  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Visible itself and inside a visible container.
  bool Shown() const;

  const std::string& ToolTip() const { return toolTip_; }
  void SetToolTip(std::string text) { toolTip_ = std::move(text); }

  Frame* Container() const { return container_; }
  void PlaceIn(Frame& frame) { container_ = &frame; }

  // Picture boxes and frames are windows of their own and stand above the
  // lightweight controls; shapes and lines never take the pointer.
  bool IsWindowed() const { return kind_ == ControlKind::PictureBox || kind_ == ControlKind::Frame; }
  bool TakesPointer() const { return kind_ != ControlKind::Shape && kind_ != ControlKind::Line; }

  void OnClick(Handler handler) { click_ = std::move(handler); }
  void OnMouseMove(Handler handler) { mouseMove_ = std::move(handler); }
  void OnKeyUp(KeyHandler handler) { keyUp_ = std::move(handler); }
  void Click() const;
  void MouseMove() const;
  void KeyUp(int keyCode, int shift) const;

  // Where the control leaves its mark on the form, in the form's twips: its
  // rectangle, or more where it draws past it.
  virtual Rect PaintExtent() const { return FormBounds(); }
  // One flat colour over its whole rectangle: moving or resizing it changes
  // only the pixels it newly covers or uncovers.
  virtual bool FlatColour() const { return false; }

  // Damage bookkeeping of the form. The control's place in its form's list.
  std::size_t Index() const { return index_; }
  void SetIndex(std::size_t index) { index_ = index; }
  bool Pending() const { return pending_; }
  bool Restyled() const { return restyled_; }
  void ClearPending() { pending_ = restyled_ = false; }

 protected:
  // Marks the control for redrawing after a change of its look.
  void Changed();
  // Marks it for redrawing after a change of place, size or visibility only.
  void Moved();

 private:
  void MarkPending(bool restyled);
  void Observed(Observer::Input input) const;

  Form& form_;
  ControlKind kind_;
  std::string name_;
  Rect rect_;
  bool visible_ = true;
  std::string toolTip_;
  Frame* container_ = nullptr;
  Handler click_;
  Handler mouseMove_;
  KeyHandler keyUp_;
  std::size_t index_ = 0;
  bool pending_ = false;
  bool restyled_ = false;
};

}  // namespace quil::rt
