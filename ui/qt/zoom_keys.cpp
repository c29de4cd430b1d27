// The zoom keys of every window of the application, read by the window
// layer's key table.
#include "ui/qt/zoom_keys.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <string>

#include "ui/zoom_policy.h"

namespace zemlox::qt {
namespace {

// What the window layer's zoom key table makes of a key press. Qt's codes
// of the printable ASCII keys are their characters.
ui::ZoomKey zoomKey(const QKeyEvent& k) {
  const Qt::KeyboardModifiers m = k.modifiers();
  const std::string name = k.key() > 0x20 && k.key() < 0x7f ? std::string(1, static_cast<char>(k.key())) : "";
  return ui::zoomKey(name,
                     {m.testFlag(Qt::ControlModifier), m.testFlag(Qt::MetaModifier), m.testFlag(Qt::AltModifier),
                      m.testFlag(Qt::ShiftModifier)},
                     k.isAutoRepeat());
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
  const ui::ZoomKey key = zoomKey(*static_cast<QKeyEvent*>(e));
  if (!key.taken) return QObject::eventFilter(watched, e);
  if (e->type() == QEvent::ShortcutOverride) {
    e->accept();  // delivered as a key press, which is taken below
    return true;
  }
  if (key.step && pressed_) pressed_(*key.step);
  return true;
}

}  // namespace zemlox::qt
