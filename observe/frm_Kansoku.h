// The observation simulation window: a plan view with five stations, a
// section view with the hypocentre, a distance-time record, the size and
// speed lists, and the earthquake run. Layout in kansoku_layout.cpp, loading
// and settings in frm_Kansoku.cpp, placement in placement.cpp, the run in run.cpp.
#pragma once

#include <array>
#include <string>

#include "observe/geometry.h"
#include "ui/form.h"

namespace observe {

class frm_Kansoku : public ui::Form {
 public:
  explicit frm_Kansoku(ui::Application& app);

  // Heading, question and settings.
  ui::Label Label1, Label2, Label5, Label9, Label10, objido;
  ui::ComboBox mag, speed;
  ui::Button Command1, Command2, Command3, Command4, Command5;
  ui::Timer Timer1;

  // Plan view: grid Line2(0..14), stations and their name labels.
  ui::PictureBox map1;
  std::array<ui::Line, 15> Line2;
  ui::Label Label7;
  std::array<ui::Shape, 5> obs;
  std::array<ui::Label, 5> nobj;

  // Section view: grid Line3(0..11), hypocentre, epicentre line and its name.
  ui::PictureBox map2;
  std::array<ui::Line, 12> Line3;
  ui::Label Label8, nfoc, nfoc2;
  ui::Shape foc;
  ui::Line lfoc;

  // Record area: axes, tick marks Line4(0..12), captions and station letters.
  ui::PictureBox kiroku;
  ui::Line tate, Line1;
  std::array<ui::Line, 13> Line4;
  ui::Label Label4, Label3;
  std::array<ui::Label, 5> n_obj;

  // Run clock: the S-front radius in twips; the P front is twice as far.
  int sFront = 0;
  int magnitude = 0;  // 1 小, 2 中, 3 大
  std::string stationMoving;
  int movingIndex = 0;
  std::string focMoving;
  // Epicentre in plan-view and hypocentre in section-view twips, fixed at set-off.
  float epiX = 0, epiY = 0, hypoX = 0, hypoY = 0;
  // Hypocentral and epicentral distance of every station in twips, fixed at set-off.
  std::array<double, 5> hypoDist{};
  std::array<double, 5> epiDist{};
  double amp = 0;
  std::array<double, 5> lastAmp{};

  // Settings and close.
  void mag_Click();
  void speed_Click();
  void Command1_Click();

  // Placing stations and the hypocentre (clicks pick up and drop).
  void nobj_Click(int index);
  void nfoc_Click();
  void map1_MouseMove(ui::MouseState s, float x, float y);
  void nobj_MouseMove(int index, ui::MouseState s, float x, float y);
  void map2_MouseMove(ui::MouseState s, float x, float y);
  void nfoc_MouseMove(ui::MouseState s, float x, float y);

  // The earthquake run.
  void Command2_Click();
  void Command3_Click();
  void Command4_Click();
  void Timer1_Timer();

  // Printing the result of a finished run.
  void Command5_Click();

 protected:
  void design() override;
  void Form_Load() override;

 private:
  static Marker markerOf(const ui::Shape& s) { return {s.left(), s.top(), s.width()}; }
  void designViews();
  void designRecord();
  void designSettings();
  void hideRunButtons();
  void alignEpicentreLine();
  // False, and nothing moves, where the hypocentre would reach the surface.
  bool moveHypocentre(float left, float top);
};

}  // namespace observe
