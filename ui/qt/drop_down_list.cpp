// Drop-down list widget: picks only from the list, the arrow keys or the wheel.
#include "ui/qt/drop_down_list.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QStringList>
#include <QStylePainter>
#include <QWheelEvent>

#include "ui/controls.h"

namespace zemlox::qt {

DropDownList::DropDownList(QWidget* parent) : QComboBox(parent) {
  setEditable(true);
  // The wheel does not take the focus: it steps only the focused list.
  setFocusPolicy(Qt::StrongFocus);
  setInsertPolicy(QComboBox::NoInsert);
  // QComboBox would otherwise select an item, and report it as activated,
  // when typed text is completed to it or committed with Enter or by leaving
  // the field while it matches an item: typing would run the click handler.
  setCompleter(nullptr);
  disconnect(lineEdit(), &QLineEdit::editingFinished, this, nullptr);
}

void DropDownList::setContents(const std::vector<std::string>& items, const std::string& text,
                               int selected) {
  QSignalBlocker block(this);
  QStringList want;
  for (const auto& s : items) want << QString::fromStdString(s);
  QStringList have;
  for (int i = 0; i < count(); ++i) have << itemText(i);
  if (want != have) {
    clear();
    addItems(want);
  }
  if (selected != currentIndex()) setCurrentIndex(selected);
  const QString shown = QString::fromStdString(text);
  if (currentText() != shown) setEditText(shown);
}

void DropDownList::keyPressEvent(QKeyEvent* e) {
  // QComboBox would step from its own current item; the window layer decides.
  const bool plain = !(e->modifiers() & (Qt::AltModifier | Qt::ControlModifier));
  int d = 0;
  if (plain && (e->key() == Qt::Key_Up || e->key() == Qt::Key_PageUp)) d = -1;
  if (plain && (e->key() == Qt::Key_Down || e->key() == Qt::Key_PageDown)) d = 1;
  if (!d) {
    QComboBox::keyPressEvent(e);
    return;
  }
  e->accept();
  if (onStep) onStep(d);
}

void DropDownList::wheelEvent(QWheelEvent* e) {
  const int d = ui::wheelStep(-e->angleDelta().y(), hasFocus());
  if (!d) {
    e->ignore();
    return;
  }
  e->accept();
  if (onStep) onStep(d);
}

void DropDownList::paintEvent(QPaintEvent*) {
  QStylePainter p(this);
  QStyleOptionComboBox opt;
  initStyleOption(&opt);
  opt.state &= ~QStyle::State_HasFocus;
  p.drawComplexControl(QStyle::CC_ComboBox, opt);
  p.drawControl(QStyle::CE_ComboBoxLabel, opt);
}

}  // namespace zemlox::qt
