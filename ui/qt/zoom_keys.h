// The zoom keys on the desktop, on whichever window has the keyboard, taken
// before any widget sees them. Which keys they are (ui::zoomKey) and what
// they do to the zoom (ui::ZoomPolicy) is the window layer's; this only
// reports the key.
#pragma once

#include <QObject>
#include <functional>

namespace zemlox::qt {

class ZoomKeys : public QObject {
 public:
  // Watches every key press of the application; `pressed` gets +1, -1 or 0.
  explicit ZoomKeys(std::function<void(int)> pressed);
  ~ZoomKeys() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  std::function<void(int)> pressed_;
};

}  // namespace zemlox::qt
