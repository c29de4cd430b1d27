// The S-wave demonstration: a row of 31 particles on a pale yellow band,
// each swinging up and down across the row, so that the crests travel to
// the left.
#pragma once

#include <array>

#include "ui/form.h"
#include "waves/wave_rule.h"

namespace waves {

class frm_Swave : public ui::Form {
 public:
  explicit frm_Swave(ui::Application& app);

  ui::Label Label1, Label2, Label3, Label4, Label5;
  ui::Button Command1;
  ui::Shape Shape1;
  std::array<ui::Shape, 31> Shape2;
  ui::Frame Frame1;
  ui::Timer Timer1;

  double phase() const { return wave_.phase; }

  void Timer1_Timer();
  void Command1_Click();

 protected:
  void design() override;
  void Form_Load() override;

 private:
  Wave wave_{0, std::numbers::pi / 20};
};

}  // namespace waves
