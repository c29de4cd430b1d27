// Shared layout of the two comparison windows.
#include "waves/wave_layout.h"

#include "lessons/lesson_layout.h"

namespace waves {

void addParticleRow(ui::Form& f, ui::Shape& band, std::array<ui::Shape, 31>& particles,
                    ui::Frame& frame) {
  lessons::addBand(f, band, "Shape1", {120, 840, 11415, 2295});
  for (int i = 0; i < 31; ++i)
    lessons::addParticle(f, particles[i], "Shape2", i,
                    {360.0f * static_cast<float>(i + 1), 1560, 135, 135}, i == 15);
  f.add(frame, "Frame1", {2040, 3240, 6615, 1455}).setCaption("説明");
}

using namespace ui;
using namespace lessons;

namespace {

void addRowLabel(Form& f, Label& l, const std::string& name, RectF r, const std::string& text,
                 Color color) {
  addText(f, l, name, r, nullptr, text);
  l.setTransparent(true);
  l.setForeColor(color);
  l.setFont({kPGothic, 12, false});
}

}  // namespace

void addComparisonBands(Form& f, std::array<Shape, 2>& bands, Label& pLabel, Label& sLabel,
                        Color labelColor) {
  addBand(f, bands[0], "Shape1", {120, 840, 11415, 2295}, 0);
  addBand(f, bands[1], "Shape1", {120, 3360, 11415, 2295}, 1);
  addRowLabel(f, pLabel, "Label3", {240, 960, 1335, 375}, "縦波（Ｐ波）", labelColor);
  addRowLabel(f, sLabel, "Label4", {240, 3480, 1335, 375}, "横波(Ｓ波)", labelColor);
}

void addComparisonFrame(Form& f, Frame& frame, Label& label7, Label& label6, Label& label5,
                        const std::string& watch) {
  f.add(frame, "Frame1", {960, 5760, 9615, 1095}).setCaption("説明");
  addText(f, label7, "Label7", {240, 360, 4695, 255}, &frame,
          "物体が波の進行方向に対してどの方向に振動していますか？");
  addText(f, label6, "Label6", {5040, 360, 2415, 255}, &frame, watch);
  addText(f, label5, "Label5", {240, 720, 6375, 255}, &frame,
          "縦波は横波より速く伝わりますが、横波の方が振幅が大きいので強く揺れます。");
}

}  // namespace waves
