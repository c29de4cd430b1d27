// The base of every control and of everything that holds controls (windows,
// frames, picture boxes): name, index, geometry in twips, visibility, z-order
// and the change notices the host repaints from.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "ui/geometry.h"

namespace ui {

class Container;
class Form;
class Label;

enum class ControlKind { Label, Button, Frame, ComboBox, Shape, Line, PictureBox };

class Control {
 public:
  explicit Control(ControlKind kind) : kind_(kind) {}
  Control(const Control&) = default;
  Control& operator=(const Control&) = default;
  virtual ~Control() = default;

  ControlKind kind() const { return kind_; }
  const std::string& name() const { return name_; }
  int index() const { return index_; }  // -1 outside a control array
  Container* container() const { return container_; }
  Form* form() const;
  // A control exists from its window's load to its unload.
  bool exists() const { return container_ != nullptr; }

  float left() const { return rect_.left; }
  float top() const { return rect_.top; }
  float width() const { return rect_.width; }
  float height() const { return rect_.height; }
  void setLeft(float v);
  void setTop(float v);
  void move(float left, float top);
  // The area the control paints, in its container's coordinates.
  virtual RectF bounds() const { return rect_; }

  bool visible() const { return visible_; }
  void setVisible(bool v);
  int tabIndex() const { return tabIndex_; }
  void setTabIndex(int t) { tabIndex_ = t; }
  // The name assistive technology reads, where the layout gives one: drawing
  // areas and lists, which show no caption of their own.
  const std::string& accessibleName() const { return accessibleName_; }
  void setAccessibleName(std::string n) { accessibleName_ = std::move(n); }

  // True for controls the host shows as native widgets rather than paints.
  bool isWidget() const {
    return kind_ == ControlKind::Button || kind_ == ControlKind::Frame ||
           kind_ == ControlKind::ComboBox || kind_ == ControlKind::PictureBox;
  }

 protected:
  friend class Form;
  friend class Container;
  // Tells the host the control looks different; repaints old and new area.
  void changed();
  // The same after a move or resize from `before`: where the two places
  // overlap, as a step of a moving particle or line does, one repaint
  // covers both.
  void movedFrom(const RectF& before);
  void invalidate() const;

 private:
  void tellView();
  ControlKind kind_;
  std::string name_;
  int index_ = -1;
  Container* container_ = nullptr;
  RectF rect_;
  bool visible_ = true;
  int tabIndex_ = -1;
  std::string accessibleName_;
};

// Mouse buttons and shift state as handlers receive them.
struct MouseState {
  int button = 0;  // 1 left, 2 right, 4 middle; or-ed
  int shift = 0;   // 1 shift, 2 ctrl, 4 alt
};

class Container {
 public:
  virtual ~Container() = default;
  Container() = default;
  Container(const Container&) {}
  Container& operator=(const Container&) { return *this; }

  // Children in z-order, bottom first.
  const std::vector<Control*>& children() const { return children_; }
  virtual Form* owningForm() const = 0;
  // Offset of this container's origin from the window's client origin.
  virtual float originX() const = 0;
  virtual float originY() const = 0;
  virtual float areaWidth() const = 0;
  virtual float areaHeight() const = 0;

  void bringToFront(Control& c);
  void invalidate(const RectF& r) const;

  // The topmost visible label under a point, or null: the target of mouse
  // input inside this container.
  Label* labelAt(float x, float y) const;

  // Mouse input in this container's coordinates. Goes to the topmost label
  // under the pointer, else to the container's own handler.
  void mouseMove(MouseState s, float x, float y);
  void mouseDown(MouseState s, float x, float y);
  void mouseUp(MouseState s, float x, float y);

 protected:
  friend class Form;
  virtual void onAreaMouseMove(MouseState, float, float) {}
  virtual void onAreaClick() {}
  void adopt(Control& c);
  void releaseChildren();

 private:
  std::vector<Control*> children_;
  const void* pressed_ = nullptr;  // where the last button press landed
};

}  // namespace ui
