// A painted label's focus item: its focus ring, and its keys handed to the
// window layer's keyboard.
#include "ui/qt/painted_item.h"

#include <QKeyEvent>
#include <optional>

#include "ui/form.h"
#include "ui/qt/ring_widgets.h"

namespace zemlox::qt {
namespace {

std::optional<ui::Key> keyOf(const QKeyEvent* e) {
  switch (e->key()) {
    case Qt::Key_Space: return ui::Key::Space;
    case Qt::Key_Return:
    case Qt::Key_Enter: return ui::Key::Enter;
    case Qt::Key_Escape: return ui::Key::Escape;
    case Qt::Key_Left: return ui::Key::Left;
    case Qt::Key_Right: return ui::Key::Right;
    case Qt::Key_Up: return ui::Key::Up;
    case Qt::Key_Down: return ui::Key::Down;
    default: return std::nullopt;
  }
}

int shiftOf(const QKeyEvent* e) { return (e->modifiers() & Qt::ShiftModifier) ? ui::kShiftKey : 0; }

}  // namespace

PaintedItem::PaintedItem(ui::Label& label, bool target, QWidget* parent)
    : QWidget(parent), label_(&label), target_(target) {
  setAttribute(Qt::WA_TransparentForMouseEvents);  // the view routes the mouse itself
  setFocusPolicy(target ? Qt::TabFocus : Qt::NoFocus);
}

void PaintedItem::paintEvent(QPaintEvent*) {
  if (hasFocus()) paintFocusRing(*this, ui::ControlKind::Label, windowZoom(*this));
}

void PaintedItem::keyPressEvent(QKeyEvent* e) {
  const std::optional<ui::Key> key = keyOf(e);
  ui::Form* form = label_ ? label_->form() : nullptr;
  if (key && form && form->keyboard().press(*label_, *key, shiftOf(e))) return;
  QWidget::keyPressEvent(e);
}

void PaintedItem::focusInEvent(QFocusEvent* e) {
  if (ui::Form* form = label_ ? label_->form() : nullptr) form->keyboard().setFocus(label_);
  update();
  QWidget::focusInEvent(e);
}

void PaintedItem::focusOutEvent(QFocusEvent* e) {
  update();
  QWidget::focusOutEvent(e);
}

}  // namespace zemlox::qt
