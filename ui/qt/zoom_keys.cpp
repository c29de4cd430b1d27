// Ctrl with +, - and 0, from every window of the application.
#include "ui/qt/zoom_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <optional>

namespace zemlox::qt {
namespace {

// +1, -1 or 0 for a zoom key, else nothing.
std::optional<int> zoomKey(const QKeyEvent& k) {
  if (!(k.modifiers() & Qt::ControlModifier)) return std::nullopt;
  switch (k.key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: return 1;
    case Qt::Key_Minus: return -1;
    case Qt::Key_0: return 0;
    default: return std::nullopt;
  }
}

}  // namespace

ZoomKeys::ZoomKeys(std::function<void(int)> pressed) : pressed_(std::move(pressed)) {
  if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

ZoomKeys::~ZoomKeys() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool ZoomKeys::eventFilter(QObject* watched, QEvent* e) {
  // A zoom key stays a zoom key in a list's text field too: it is taken
  // before any widget sees it, and so is its override query.
  if (e->type() != QEvent::KeyPress && e->type() != QEvent::ShortcutOverride)
    return QObject::eventFilter(watched, e);
  const auto dir = zoomKey(*static_cast<QKeyEvent*>(e));
  if (!dir) return QObject::eventFilter(watched, e);
  if (e->type() == QEvent::ShortcutOverride) {
    e->accept();  // delivered as a key press, which is taken below
    return true;
  }
  // A held key steps once: every step lays every window out again.
  if (!static_cast<QKeyEvent*>(e)->isAutoRepeat() && pressed_) pressed_(*dir);
  return true;
}

}  // namespace zemlox::qt
