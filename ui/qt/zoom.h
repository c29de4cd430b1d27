// The program's zoom for projectors: Ctrl with + (or =) and Ctrl with -
// step through 100 %–300 %, Ctrl with 0 returns to 100 %, on whichever
// window has the keyboard. One zoom for the whole program, held until it
// ends, never so large that a window leaves its screen; it multiplies with
// the desktop's own scale (QT_SCALE_FACTOR).
#pragma once

#include <QObject>
#include <functional>

namespace zemlox::qt {

class Zoom : public QObject {
 public:
  // Watches every key press of the application. `fits` says whether every
  // window would lie wholly on its screen at a factor; `changed` runs after
  // the factor in force changed.
  Zoom(std::function<bool(double)> fits, std::function<void()> changed);
  ~Zoom() override;

  double factor() const;
  // Steps one zoom level in (+1) or out (-1); 0 resets. A step in that
  // would take a window off its screen is not taken, nor one past 300 %.
  void step(int direction);
  // Windows came or went: the factor in force becomes the largest level,
  // up to the one the keys asked for, at which every window fits.
  void refit();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void apply();

  std::function<bool(double)> fits_;
  std::function<void()> changed_;
  int wanted_ = 0;  // the level the keys asked for
  int level_ = 0;   // the level in force: lower than wanted_ while a window would not fit
};

}  // namespace zemlox::qt
