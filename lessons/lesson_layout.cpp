// Shared lesson layout pieces.
#include "lessons/lesson_layout.h"

namespace lessons {

using namespace ui;

void addHeading(Form& f, Label& name, Label& title, Button& close, const std::string& caption,
                float nameTop) {
  f.add(name, "Label1", {240, nameTop, 2655, 375});
  name.setCaption("Zemlox");
  name.setForeColor(kHeadingBlue);
  name.setFont({kPGothic, 14.25f, false});
  f.add(title, "Label2", {3000, 120, 5895, 495});
  title.setCaption(caption);
  title.setForeColor(kHeadingBlue);
  title.setFont({kPGothic, 20.25f, true});
  f.add(close, "Command1", {10320, 240, 975, 375});
  close.setCaption("閉じる");
}

Label& addText(Form& f, Label& l, const std::string& name, RectF r, Container* parent,
               const std::string& caption) {
  f.add(l, name, r, parent);
  l.setCaption(caption);
  return l;
}

Shape& addBand(Form& f, Shape& s, const std::string& name, RectF r, int index) {
  f.add(s, name, r, nullptr, index);
  s.setShape(ShapeKind::Rectangle);
  s.setFilled(true);
  s.setFillColor(kPaleYellow);
  return s;
}

Shape& addParticle(Form& f, Shape& s, const std::string& name, int index, RectF r, bool red) {
  f.add(s, name, r, nullptr, index);
  s.setShape(ShapeKind::Circle);
  s.setFilled(true);
  s.setFillColor(red ? 0x00C0C0FF : 0x00FFC0C0);
  s.setBorderColor(red ? 0x000000FF : 0x00FF0000);
  return s;
}

}  // namespace lessons
