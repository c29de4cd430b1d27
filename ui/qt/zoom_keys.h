// The zoom keys on the desktop: Ctrl with + (or =), - and 0 on whichever
// window has the keyboard, taken before any widget sees them. What a key
// does to the zoom is ui::ZoomPolicy's; this only reports the key.
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
