// Zoom levels and the keys that step through them.
#include "ui/qt/zoom.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <algorithm>
#include <optional>

#include "ui/units.h"

namespace zemlox::qt {
namespace {

constexpr auto& kLevels = ui::kZoomSteps;

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

Zoom::Zoom(std::function<bool(double)> fits, std::function<void()> changed)
    : fits_(std::move(fits)), changed_(std::move(changed)) {
  if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
}

Zoom::~Zoom() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

double Zoom::factor() const { return kLevels[static_cast<size_t>(level_)]; }

void Zoom::step(int direction) {
  if (direction > 0) {
    // Steps start from what is shown, not from a level a large window holds back.
    const int next = level_ + 1;
    if (next >= static_cast<int>(kLevels.size()) || (fits_ && !fits_(kLevels[static_cast<size_t>(next)])))
      return;
    wanted_ = next;
  } else {
    wanted_ = direction == 0 ? 0 : std::max(0, level_ - 1);
  }
  apply();
}

void Zoom::refit() { apply(); }

void Zoom::apply() {
  // 100 % stands even where a window is larger than its screen.
  int level = wanted_;
  while (level > 0 && fits_ && !fits_(kLevels[static_cast<size_t>(level)])) --level;
  if (level == level_) return;
  level_ = level;
  if (changed_) changed_();
}

bool Zoom::eventFilter(QObject* watched, QEvent* e) {
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
  if (!static_cast<QKeyEvent*>(e)->isAutoRepeat()) step(*dir);
  return true;
}

}  // namespace zemlox::qt
