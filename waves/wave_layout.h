// Layout the wave windows share: the single particle row of the P- and
// S-wave windows, and for the two comparison windows the P band over the
// S band with their row labels and the explanation frame under them.
#pragma once

#include <array>
#include <string>

#include "ui/form.h"

namespace waves {

inline constexpr const char* kComparisonCaption = "縦波（Ｐ波）・横波(Ｓ波)の比較";

// Shape1, the 31 particles of Shape2 standing at their layout places, and
// the empty explanation frame Frame1 "説明" under them.
void addParticleRow(ui::Form& f, ui::Shape& band, std::array<ui::Shape, 31>& particles,
                    ui::Frame& frame);

// Shape1(0) and Shape1(1), then Label3 "縦波（Ｐ波）" and Label4 "横波(Ｓ波)"
// on them in the given text colour.
void addComparisonBands(ui::Form& f, std::array<ui::Shape, 2>& bands, ui::Label& pLabel,
                        ui::Label& sLabel, ui::Color labelColor);

// Frame1 "説明" with Label7, Label6 (what to watch) and Label5.
void addComparisonFrame(ui::Form& f, ui::Frame& frame, ui::Label& label7, ui::Label& label6,
                        ui::Label& label5, const std::string& watch);

}  // namespace waves
