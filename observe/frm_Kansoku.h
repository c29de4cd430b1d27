// The observation simulation window: a plan view with five stations, a
// section view with the hypocentre, a distance-time record, the size and
// speed lists, and the earthquake run. Layout in kansoku_layout.cpp, loading
// and settings in frm_Kansoku.cpp, placement in placement.cpp, the run in run.cpp.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>

#include "observe/class_layout.h"
#include "observe/geometry.h"
#include "observe/report_page.h"
#include "ui/form.h"

namespace observe {

// The settings lists' texts: anything typed that is no item counts as 小 and 遅.
int sizeFromText(const std::string& t);
int intervalFromText(const std::string& t);
// And back: the item that stands for a size or an interval.
const char* sizeText(int magnitude);
const char* speedText(int intervalMs);

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

  // A class's additions (class_mode.cpp), built only when a class layout was
  // given before the window loads; without one the window is the lesson's.
  void setClassLayout(std::optional<ClassLayout> l);
  const std::optional<ClassLayout>& classLayout() const { return classLayout_; }
  bool classMode() const { return classLayout_.has_value(); }
  // Where everything stands now, with the class's options.
  ClassLayout currentLayout() const;
  // One line under the class's buttons (a link that could not be read, a guess's result).
  void sayToClass(const std::string& text);
  std::function<void()> onShare;  // 「この配置を配る」: the program opens the window for it

  ui::Button cmdStep, cmdPace, cmdClear, cmdAnswer, cmdSave, cmdShare;
  ui::Label classNote;
  // The pupils' guesses for 震央 (plan view) and 震源 (section view), and
  // the lines from each to the answer.
  ui::Shape guess, guess2;
  ui::Label nguess, nguess2;
  ui::Line guessLine, guessLine2;
  int guessMoving = -1;  // 0 plan, 1 section, -1 none
  bool realTime = false;
  bool hypocentreHidden = false;

  void cmdStep_Click();
  void cmdPace_Click();
  void cmdClear_Click();
  void cmdAnswer_Click();
  void cmdSave_Click();
  void nguess_Click(int view);
  void nguess_MouseMove(int view, ui::MouseState s, float x, float y);

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

  ReportInputs reportInputs() const;
  void drawFronts(double s);
  void drawTraceSegment(int S, double epi, double from, double to, ui::Color colour);
  void designClass();
  void applyClassLayout();
  void showHypocentre(bool shown);
  bool moveGuess(int view, float x, float y);
  // A run's record as the ticks drew it, up to run clock lastS.
  struct Run { std::array<double, 5> hypoDist, epiDist; int magnitude, lastS; };
  void replayTraces(const Run& run, ui::Color colour);
  // The last run's record, replayed faint under the next.
  void replayPrevious();
  // A station or the hypocentre was picked up: the record on screen no longer
  // belongs to the layout, so the next run is not compared with it.
  void layoutMoved() {
    previous_.reset();
    recordKept_ = false;
  }
  std::optional<Run> previous_;
  bool recordKept_ = false;
  int runMagnitude_ = 0;
  bool printDue_ = false;  // finished, with 印刷 held back while the hypocentre is hidden  // the record on screen belongs to the layout as it stands
  std::optional<ClassLayout> classLayout_;
};

}  // namespace observe
