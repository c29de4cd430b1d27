// The seismograph record: a pen draws one earthquake across a pale yellow
// strip, a segment per tick (flat, then initial tremor, then principal
// motion), while explanations and markers appear as the pen passes them.
#pragma once

#include <cstdint>

#include "record/random_source.h"
#include "ui/form.h"

namespace record {

class frm_Kiroku : public ui::Form {
 public:
  explicit frm_Kiroku(ui::Application& app);

  ui::Label Label1, Label2;
  ui::Button Command1, Command2;
  ui::Shape Shape1;
  ui::Label Label8, Label9, Label10;
  ui::Line Line1, Line2, Line3;
  ui::Label Label3, Label4, Label5, Label6, Label7;
  ui::Timer Timer1;

  std::int16_t penTravel() const { return penTravel_; }
  float traceLeft() const { return traceLeft_; }
  float traceMid() const { return traceMid_; }
  double disp() const { return disp_; }
  double lastDisp() const { return lastDisp_; }

  // Replaces the source of the random factors (tests give fixed values).
  void setRandomSource(RandomSource r) { random_ = std::move(r); }

  void Timer1_Timer();
  void Command1_Click();
  void Command2_Click();

 protected:
  void design() override;
  void Form_Load() override;

 private:
  void updateTraceOrigin();
  void showPassedExplanations(float pen);
  double displacement(float pen, float r) const;

  std::int16_t penTravel_ = 0;  // twips the pen has moved since the record began
  float traceLeft_ = 0;         // twips
  float traceMid_ = 0;          // twips
  double disp_ = 0;             // twips from the centre line, downwards
  double lastDisp_ = 0;
  RandomSource random_ = programRandom;
};

}  // namespace record
