// The controls a window is built from. Labels, shapes and lines are painted
// by the host; buttons, frames, combo boxes and picture boxes are widgets.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "ui/color.h"
#include "ui/control.h"
#include "ui/font.h"
#include "ui/surface.h"
#include "ui/units.h"

namespace ui {

class Label : public Control {
 public:
  Label() : Control(ControlKind::Label) {}
  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& s);
  Color foreColor() const { return fore_; }
  void setForeColor(Color c);
  Color backColor() const { return back_; }
  void setBackColor(Color c);
  bool transparent() const { return transparent_; }
  void setTransparent(bool t);
  const Font& font() const { return font_; }
  void setFont(const Font& f);

  // Input, already routed to this label; coordinates in its own space.
  void click();
  void mouseMove(MouseState s, float x, float y);
  std::function<void()> onClick;
  std::function<void(MouseState, float, float)> onMouseMove;

 private:
  std::string caption_;
  Color fore_ = sys::WindowText;
  Color back_ = sys::ButtonFace;
  bool transparent_ = false;
  Font font_;
};

class Button : public Control {
 public:
  Button() : Control(ControlKind::Button) {}
  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& s);
  void click();  // ignored while the window takes no input or the button is hidden
  std::function<void()> onClick;

 private:
  std::string caption_;
};

// An editable drop-down list. Picking an item sets the text and raises
// Click; typing only changes the text.
class ComboBox : public Control {
 public:
  ComboBox() : Control(ControlKind::ComboBox) {}
  const std::string& text() const { return text_; }
  void setText(const std::string& s);  // from the program: no Click
  const std::vector<std::string>& items() const { return items_; }
  void setItems(std::vector<std::string> items);
  void pick(int i);                         // the pupil picks item i
  void type(const std::string& s);          // the pupil edits the text
  std::function<void()> onClick;

  // The selected item: the last one the text was (set, picked or typed),
  // kept while typed text that is no item stands in the field; -1 before
  // any. The open list highlights it.
  int selected() const { return selected_; }
  // The item an arrow key or a wheel notch picks: the one after (direction
  // > 0) or before the selected item; with none selected, Down the first
  // item and Up the last. -1 where the step would leave the list.
  int stepTarget(int direction) const;
  // An arrow key or a wheel notch on the list: picks stepTarget's item.
  void step(int direction);

 private:
  void select();

  std::string text_;
  std::vector<std::string> items_;
  int selected_ = -1;
};

// The step a wheel notch makes on a list (`down`: how far the wheel turned
// towards the pupil, the browser's sign), or 0 where the notch is not the
// list's and the host passes it on. Only the list with the keyboard focus
// steps, so a wheel turned to scroll past a setting never changes it.
int wheelStep(double down, bool focused);

enum class ShapeKind { Rectangle, Circle };
enum class LineStyle { Solid, Dot };

class Shape : public Control {
 public:
  Shape() : Control(ControlKind::Shape) {}
  ShapeKind shape() const { return shape_; }
  void setShape(ShapeKind k);
  Color fillColor() const { return fill_; }
  void setFillColor(Color c);
  bool filled() const { return filled_; }
  void setFilled(bool f);
  Color borderColor() const { return border_; }
  void setBorderColor(Color c);
  // The border is drawn one pixel outside the shape's box.
  RectF bounds() const override { return Control::bounds().adjusted(kOnePixel); }

 private:
  ShapeKind shape_ = ShapeKind::Rectangle;
  Color fill_ = 0;
  bool filled_ = false;
  Color border_ = sys::WindowText;
};

class Line : public Control {
 public:
  Line() : Control(ControlKind::Line) {}
  float x1() const { return x1_; }
  float y1() const { return y1_; }
  float x2() const { return x2_; }
  float y2() const { return y2_; }
  void setPoints(float x1, float y1, float x2, float y2);
  Color color() const { return color_; }
  void setColor(Color c);
  int widthPixels() const { return widthPx_; }
  void setWidthPixels(int w);
  LineStyle style() const { return style_; }
  void setStyle(LineStyle s);
  RectF bounds() const override;

 private:
  float x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
  Color color_ = sys::WindowText;
  int widthPx_ = 1;
  LineStyle style_ = LineStyle::Solid;
};

class Frame : public Control, public Container {
 public:
  Frame() : Control(ControlKind::Frame) {}
  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& s);
  Form* owningForm() const override { return form(); }
  float originX() const override;
  float originY() const override;
  float areaWidth() const override { return width(); }
  float areaHeight() const override { return height(); }

 private:
  std::string caption_;
};

class PictureBox : public Control, public Container {
 public:
  PictureBox() : Control(ControlKind::PictureBox) {}
  Color backColor() const { return back_; }
  void setBackColor(Color c);
  bool border() const { return border_; }
  // A picture shipped with the program, by resource name; empty for none.
  // Its size is in its own pixels, each shown as a layout pixel.
  const std::string& picture() const { return picture_; }
  int pictureWidth() const { return pictureWidth_; }
  int pictureHeight() const { return pictureHeight_; }
  void setPicture(const std::string& name, int width, int height);
  Surface& surface() { return surface_; }
  const Surface& surface() const { return surface_; }

  Form* owningForm() const override { return form(); }
  float originX() const override;
  float originY() const override;
  float areaWidth() const override { return width(); }
  float areaHeight() const override { return height(); }

  std::function<void(MouseState, float, float)> onMouseMove;
  std::function<void()> onClick;

 protected:
  void onAreaMouseMove(MouseState s, float x, float y) override;
  void onAreaClick() override;

 private:
  Color back_ = sys::ButtonFace;
  bool border_ = true;
  std::string picture_;
  int pictureWidth_ = 0, pictureHeight_ = 0;
  Surface surface_;
};

}  // namespace ui
