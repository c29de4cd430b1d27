// Property setters and input entry points of the controls.
#include "ui/controls.h"

#include <algorithm>

#include "ui/form.h"

namespace ui {
namespace {

bool acceptsInput(const Control& c) {
  Form* f = c.form();
  return f && f->acceptsInput() && c.visible();
}

}  // namespace

#define ZEMLOX_SETTER(Class, Setter, Type, field) \
  void Class::Setter(Type v) {                    \
    if (field == v) return;                       \
    field = v;                                    \
    changed();                                    \
  }

ZEMLOX_SETTER(Label, setCaption, const std::string&, caption_)
ZEMLOX_SETTER(Label, setForeColor, Color, fore_)
ZEMLOX_SETTER(Label, setBackColor, Color, back_)
ZEMLOX_SETTER(Label, setTransparent, bool, transparent_)
ZEMLOX_SETTER(Button, setCaption, const std::string&, caption_)
ZEMLOX_SETTER(Shape, setShape, ShapeKind, shape_)
ZEMLOX_SETTER(Shape, setFillColor, Color, fill_)
ZEMLOX_SETTER(Shape, setFilled, bool, filled_)
ZEMLOX_SETTER(Shape, setBorderColor, Color, border_)
ZEMLOX_SETTER(Line, setColor, Color, color_)
ZEMLOX_SETTER(Line, setStyle, LineStyle, style_)
ZEMLOX_SETTER(Frame, setCaption, const std::string&, caption_)
ZEMLOX_SETTER(PictureBox, setBackColor, Color, back_)
#undef ZEMLOX_SETTER

void PictureBox::setPicture(const std::string& name, int width, int height) {
  if (picture_ == name && pictureWidth_ == width && pictureHeight_ == height) return;
  picture_ = name, pictureWidth_ = width, pictureHeight_ = height;
  changed();
}

void Label::setFont(const Font& f) {
  font_ = f;
  changed();
}

void Label::click() {
  if (acceptsInput(*this) && onClick) onClick();
}

void Label::mouseMove(MouseState s, float x, float y) {
  if (acceptsInput(*this) && onMouseMove) onMouseMove(s, x, y);
}

void Button::click() {
  if (acceptsInput(*this) && onClick) onClick();
}

void ComboBox::setText(const std::string& s) {
  if (text_ == s) return;
  text_ = s;
  select();
  changed();
}

void ComboBox::setItems(std::vector<std::string> items) {
  items_ = std::move(items);
  selected_ = -1;
  select();
  changed();
}

void ComboBox::select() {
  auto it = std::find(items_.begin(), items_.end(), text_);
  if (it != items_.end()) selected_ = static_cast<int>(it - items_.begin());
}

int ComboBox::stepTarget(int direction) const {
  const int n = static_cast<int>(items_.size());
  if (n == 0 || direction == 0) return -1;
  const int next = selected_ < 0 ? (direction > 0 ? 0 : n - 1) : selected_ + (direction > 0 ? 1 : -1);
  return next >= 0 && next < n ? next : -1;
}

void ComboBox::step(int direction) {
  if (const int i = stepTarget(direction); i >= 0) pick(i);
}

int wheelStep(double down, bool focused) {
  if (!focused || down == 0) return 0;
  return down > 0 ? 1 : -1;
}

void ComboBox::pick(int i) {
  if (!acceptsInput(*this) || i < 0 || i >= static_cast<int>(items_.size())) return;
  setText(items_[static_cast<size_t>(i)]);
  if (onClick) onClick();
}

void ComboBox::type(const std::string& s) {
  if (!acceptsInput(*this)) return;
  setText(s);
}


void Line::setPoints(float x1, float y1, float x2, float y2) {
  if (x1 == x1_ && y1 == y1_ && x2 == x2_ && y2 == y2_) return;
  const RectF before = bounds();
  x1_ = x1;
  y1_ = y1;
  x2_ = x2;
  y2_ = y2;
  movedFrom(before);
}

void Line::setWidthPixels(int w) {
  if (w == widthPx_) return;
  invalidate();
  widthPx_ = w;
  changed();
}

RectF Line::bounds() const {
  float l = std::min(x1_, x2_), t = std::min(y1_, y2_);
  RectF r{l, t, std::max(x1_, x2_) - l, std::max(y1_, y2_) - t};
  return r.adjusted(kOnePixel * static_cast<float>(widthPx_ + 1));
}

float Frame::originX() const { return container() ? container()->originX() + left() : left(); }
float Frame::originY() const { return container() ? container()->originY() + top() : top(); }
float PictureBox::originX() const { return container() ? container()->originX() + left() : left(); }
float PictureBox::originY() const { return container() ? container()->originY() + top() : top(); }

void PictureBox::onAreaMouseMove(MouseState s, float x, float y) {
  if (onMouseMove) onMouseMove(s, x, y);
}

void PictureBox::onAreaClick() {
  if (onClick) onClick();
}

}  // namespace ui
