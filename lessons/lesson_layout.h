// Layout pieces the lesson windows share: the heading ("Zemlox", the title
// and the close button), plain explanation labels, the pale yellow band and
// the particle circles. Lesson content, kept out of the window layer.
#pragma once

#include <string>

#include "ui/form.h"

namespace lessons {

inline constexpr ui::Color kHeadingBlue = 0x00FF8080;
inline constexpr ui::Color kPaleYellow = 0x00C0FFFF;

// "Zemlox" at (240, nameTop), the title at (3000, 120), "閉じる" at the top right.
void addHeading(ui::Form& f, ui::Label& name, ui::Label& title, ui::Button& close, const std::string& caption,
                float nameTop = 120);
ui::Label& addText(ui::Form& f, ui::Label& l, const std::string& name, ui::RectF r, ui::Container* parent,
                   const std::string& caption);
ui::Shape& addBand(ui::Form& f, ui::Shape& s, const std::string& name, ui::RectF r, int index = -1);
// Light blue circles with a blue border; the one to follow is pink with red.
ui::Shape& addParticle(ui::Form& f, ui::Shape& s, const std::string& name, int index, ui::RectF r, bool red);

}  // namespace lessons
