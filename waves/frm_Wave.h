// The P/S comparison on particle rows: an upper row of 31 particles moved
// along the row by a P wave and a lower row of 31 moved across it by an S
// wave, numbered right to left, each with its own phase.
#pragma once

#include <array>

#include "ui/form.h"
#include "waves/wave_rule.h"

namespace waves {

class frm_Wave : public ui::Form {
 public:
  explicit frm_Wave(ui::Application& app);

  ui::Label Label1, Label2, Label3, Label4, Label5, Label6, Label7;
  ui::Button Command1;
  std::array<ui::Shape, 2> Shape1;
  // 0..30 the P row from the left; 31..61 the S row from the right.
  std::array<ui::Shape, 62> Shape2;
  ui::Frame Frame1;
  ui::Timer Timer1;

  double phaseP() const { return waveP_.phase; }
  double phaseS() const { return waveS_.phase; }

  void Timer1_Timer();
  void Command1_Click();

 protected:
  void design() override;
  void Form_Load() override;

 private:
  Wave waveP_{0, std::numbers::pi / 5};
  Wave waveS_{0, std::numbers::pi / 20};
};

}  // namespace waves
