// Dropping input to blocked windows, and bringing their blocker forward.
#include "ui/qt/input_gate.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace zemlox::qt {
namespace {

bool isInput(QEvent::Type t) {
  switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::InputMethod:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}

}  // namespace

InputGate::InputGate(std::function<QWidget*(QWidget*)> blocker) : blocker_(std::move(blocker)) {
  if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

InputGate::~InputGate() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool InputGate::eventFilter(QObject* watched, QEvent* e) {
  const QEvent::Type t = e->type();
  if (!isInput(t) && t != QEvent::WindowActivate) return false;
  if (!watched->isWidgetType() || !blocker_) return false;
  auto* w = static_cast<QWidget*>(watched);
  QWidget* blocker = blocker_(w);
  if (!blocker) return false;
  if (t == QEvent::WindowActivate) {
    if (w->isWindow() && blocker->isVisible()) {
      blocker->raise();
      blocker->activateWindow();
    }
    return false;
  }
  return true;
}

}  // namespace zemlox::qt
