// The focusable item over a painted label in the Qt host: what assistive
// technology sees of the label, and where its keys go to the window layer.
#pragma once

#include <QWidget>

#include "ui/controls.h"

namespace zemlox::qt {

// Stands over one painted label: paints nothing but the focus rectangle,
// takes no mouse input, and is what assistive technology sees of the label.
class PaintedItem : public QWidget {
 public:
  PaintedItem(ui::Label& label, bool target, QWidget* parent);
  ui::Label* label() const { return label_; }
  bool target() const { return target_; }
  void detach() { label_ = nullptr; }

 protected:
  void paintEvent(QPaintEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  void focusInEvent(QFocusEvent* e) override;
  void focusOutEvent(QFocusEvent* e) override;

 private:
  ui::Label* label_;
  bool target_;
};

}  // namespace zemlox::qt
