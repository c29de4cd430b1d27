// The program's zoom for projectors: Ctrl with + (or =) and Ctrl with -
// step through 100 %–300 %, Ctrl with 0 returns to 100 %, on whichever
// window has the keyboard. One zoom for the whole program, held until it
// ends; it multiplies with the desktop's own scale (QT_SCALE_FACTOR).
#pragma once

#include <QObject>
#include <functional>

namespace zemlox::qt {

class Zoom : public QObject {
 public:
  // Watches every key press of the application; `changed` runs after a step.
  explicit Zoom(std::function<void()> changed);
  ~Zoom() override;

  double factor() const;
  // Steps one zoom level in (+1) or out (-1), clamped at the ends; 0 resets.
  void step(int direction);

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  std::function<void()> changed_;
  int level_ = 0;
};

}  // namespace zemlox::qt
