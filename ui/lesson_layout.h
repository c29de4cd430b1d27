// Layout pieces the lesson windows share: the heading ("Zemlox", the title
// and the close button), plain explanation labels, the pale yellow band and
// the particle circles.
#pragma once

#include <string>

#include "ui/form.h"

namespace ui {

inline constexpr Color kHeadingBlue = 0x00FF8080;
inline constexpr Color kPaleYellow = 0x00C0FFFF;

// "Zemlox" at (240, nameTop), the title at (3000, 120), "閉じる" at the top right.
void addHeading(Form& f, Label& name, Label& title, Button& close, const std::string& caption,
                float nameTop = 120);
Label& addText(Form& f, Label& l, const std::string& name, RectF r, Container* parent,
               const std::string& caption);
Shape& addBand(Form& f, Shape& s, const std::string& name, RectF r, int index = -1);
// Light blue circles with a blue border; the one to follow is pink with red.
Shape& addParticle(Form& f, Shape& s, const std::string& name, int index, RectF r, bool red);

}  // namespace ui
