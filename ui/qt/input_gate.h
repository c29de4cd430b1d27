// The window layer's modal rule on the desktop: pupil input to a window that
// takes none (the owner of an open modal window) is dropped before any of
// its widgets sees it, and activating such a window brings forward the one
// that holds its input. Windows outside the modal chain stay usable, as in
// the browser; Qt's own modality would block every window of the program.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace zemlox::qt {

class InputGate : public QObject {
 public:
  // `blocker`: for a widget, the window holding the input its window may
  // not take, or null where it takes input.
  explicit InputGate(std::function<QWidget*(QWidget*)> blocker);
  ~InputGate() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  std::function<QWidget*(QWidget*)> blocker_;
};

}  // namespace zemlox::qt
